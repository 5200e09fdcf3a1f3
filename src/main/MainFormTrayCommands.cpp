// The commands of the tray icon's menu.
#include "framework/Application.h"
#include "main/Unit1.h"
#include "tray/CoolTrayIcon.h"

void TMainForm::Pickscreencolor1Click(fw::TComponent* Sender) {
    if (!fw::Application().ActivateModalWindow())
        Pickcolorfromthescreen1Click(Sender);
}

void TMainForm::Selectcolorfromthepicker1Click(fw::TComponent* Sender) {
    if (!fw::Application().ActivateModalWindow())
        Pickcolorfromthe1Click(Sender);
}

void TMainForm::Showmainwindow1Click(fw::TComponent*) {
    TrayIcon->ShowMainWindow();
}

void TMainForm::Hidemainwindow1Click(fw::TComponent*) {
    TrayIcon->HideMainWindow();
}

void TMainForm::Hidemainwindow2Click(fw::TComponent*) {
    TrayIcon->HideMainWindow();
}

void TMainForm::Exit2Click(fw::TComponent* Sender) {
    Close1Click(Sender);
}
