// The main window's tray icon, its menu, and what its clicks do.
#include "main/Unit1.h"

#include "framework/Application.h"

void TMainForm::CreateTrayIcon() {}

void TMainForm::UpdateTrayHint() {
    trayHint_ = fw::Application().Title() + " // " + PaletteName->Caption() + " // " + HTMLColorEdit->Text();
}

void TMainForm::TrayIconClick(fw::TComponent*) {}
void TMainForm::TrayIconDblClick(fw::TComponent*) {}
void TMainForm::PopupMenuPopup(fw::TComponent*) {}

void TMainForm::Pickscreencolor1Click(fw::TComponent* Sender) {
    Pickcolorfromthescreen1Click(Sender);
}

void TMainForm::Selectcolorfromthepicker1Click(fw::TComponent* Sender) {
    Pickcolorfromthe1Click(Sender);
}

void TMainForm::Showmainwindow1Click(fw::TComponent*) {}
void TMainForm::Hidemainwindow1Click(fw::TComponent*) {}
void TMainForm::Hidemainwindow2Click(fw::TComponent*) {}

void TMainForm::Exit2Click(fw::TComponent* Sender) {
    Close1Click(Sender);
}
