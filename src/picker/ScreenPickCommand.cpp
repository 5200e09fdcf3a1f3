// Starting a pick from the screen.
#include <windows.h>

#include "main/Unit1.h"
#include "picker/Unit2.h"

void TMainForm::Pickcolorfromthescreen1Click(fw::TComponent* Sender) {
    // Plain visibility, not the tray's hide: the taskbar button comes back with the
    // picking window.
    SetVisible(false);
    // Other programs repaint where the main window was while this thread waits; the
    // picking window draws nothing, so what they show then is what gets picked.
    Sleep(100);
    ColorPickForm->FormActivate(Sender);
}
