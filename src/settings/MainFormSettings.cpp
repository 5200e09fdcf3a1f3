// Reading and writing the settings, and what closing the main window does.
#include "main/Unit1.h"

void TMainForm::LoadSettings() {}
void TMainForm::SaveSettings() {}

void TMainForm::UpdateCloseAction() {
    CloseAction = MinimizeClose ? HideToTray : CloseAndFree;
}

void TMainForm::Preferences1Click(fw::TComponent*) {}
