// Picking, the main window's side: from the screen (starting a pick, and taking the
// pixel that a click on the picking window or on a chart read), in the system's colour
// dialog, and the step every way of picking ends with.
#include <windows.h>

#include "framework/Transitions.h"
#include "main/Unit1.h"
#include "picker/ColorDialog.h"
#include "picker/Unit2.h"
#include "shared/BaseFunctions.h"

void TMainForm::ApplyPickedColor(fw::TColor color) {
    ColorPanel->SetColor(color);
    HTMLColorEdit->SetText(huetrove::ColorToHTML(ColorPanel->Color()));
}

bool TMainForm::ApplyScreenPixel(fw::TColor pixel) {
    // CLR_INVALID would otherwise read as a reference to a system colour.
    if (pixel == CLR_INVALID)
        return false;
    ApplyPickedColor(pixel);
    return true;
}

void TMainForm::FinishScreenPick(fw::TColor pixel) {
    ApplyScreenPixel(pixel);
    // Plain visibility: showing the main window brings it to the foreground, also when
    // it was hidden in the tray before the pick started.
    SetVisible(true);
}

void TMainForm::Pickcolorfromthescreen1Click(fw::TComponent* Sender) {
    // With window animations on, the compositor may still be fading the window out when
    // the pause below ends, and the picking window's copy of the screen would hold it
    // half gone: it must go at once.
    fw::DisableTransitions(Handle());
    // Plain visibility, not the tray's hide: the taskbar button comes back with the
    // picking window.
    SetVisible(false);
    // Other programs repaint where the main window was while this thread waits; the
    // picking window draws nothing, so what they show then is what gets picked.
    Sleep(100);
    ColorPickForm->FormActivate(Sender);
}

void TMainForm::Pickcolorfromthe1Click(fw::TComponent*) {
    // Always start from the current colour, whatever the dialog returned last time.
    ColorDialog->Color = ColorPanel->Color();
    if (ColorDialog->Execute())
        ApplyPickedColor(ColorDialog->Color);
}

void TMainForm::ColorPanelClick(fw::TComponent* Sender) {
    Pickcolorfromthe1Click(Sender);
}
