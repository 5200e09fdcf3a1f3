// Picking from the screen, the main window's side: starting a pick, and taking the
// pixel that a click on the picking window or on a chart read.
#include <windows.h>

#include "main/Unit1.h"
#include "picker/Unit2.h"

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
    // Plain visibility, not the tray's hide: the taskbar button comes back with the
    // picking window.
    SetVisible(false);
    // Other programs repaint where the main window was while this thread waits; the
    // picking window draws nothing, so what they show then is what gets picked.
    Sleep(100);
    ColorPickForm->FormActivate(Sender);
}
