// Picking from the screen, the main window's side: starting a pick, and taking the
// pixel that a click on the picking window or on a chart read.
#include <windows.h>

#include "main/Unit1.h"
#include "picker/ScreenPick.h"
#include "picker/Unit2.h"

namespace huetrove {

bool ApplyScreenPixel(TMainForm& form, fw::TColor pixel) {
    // CLR_INVALID would otherwise read as a reference to a system colour.
    if (pixel == CLR_INVALID)
        return false;
    form.ApplyPickedColor(pixel);
    return true;
}

void FinishScreenPick(fw::TColor pixel) {
    ApplyScreenPixel(*MainForm, pixel);
    // Plain visibility: showing the main window brings it to the foreground, also when
    // it was hidden in the tray before the pick started.
    MainForm->SetVisible(true);
}

}  // namespace huetrove

void TMainForm::Pickcolorfromthescreen1Click(fw::TComponent* Sender) {
    // Plain visibility, not the tray's hide: the taskbar button comes back with the
    // picking window.
    SetVisible(false);
    // Other programs repaint where the main window was while this thread waits; the
    // picking window draws nothing, so what they show then is what gets picked.
    Sleep(100);
    ColorPickForm->FormActivate(Sender);
}
