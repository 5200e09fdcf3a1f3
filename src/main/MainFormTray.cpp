// The main window's tray icon, its menu and its commands, and what its clicks do.
#include "main/Unit1.h"

#include "framework/Application.h"
#include "framework/Icon.h"
#include "settings/StoredSettings.h"
#include "tray/CoolTrayIcon.h"

void TMainForm::CreateTrayIcon() {
    TrayIcon = new TCoolTrayIcon(this);
    TrayIcon->Name = "TrayIcon";
    // Set in the order a stored description sets them; nothing reaches the tray before
    // the loaded notification adds the icon.
    TrayIcon->SetCycleInterval(0);
    TrayIcon->SetHint("Huetrove");
    fw::TIcon gem;
    // The notification area shows small icons at the system's scale.
    gem.LoadResource("TRAYICON", GetSystemMetrics(SM_CXSMICON));
    TrayIcon->SetIcon(gem);
    TrayIcon->SetIconIndex(0);
    TrayIcon->SetPopupMenu(PopupMenu);
    TrayIcon->SetMinimizeToTray(true);
    TrayIcon->OnClick = [this](fw::TComponent* sender) { TrayIconClick(sender); };
    TrayIcon->OnDblClick = [this](fw::TComponent* sender) { TrayIconDblClick(sender); };
}

void TMainForm::UpdateTrayHint() {
    trayHint_ = fw::Application().Title() + " // " + PaletteName->Caption() + " // " + HTMLColorEdit->Text();
    if (TrayIcon)
        TrayIcon->SetHint(trayHint_);
}

void TMainForm::TrayIconClick(fw::TComponent*) {
    // The window's own visibility: covered or inactive still counts as shown.
    if (Visible())
        TrayIcon->HideMainWindow();
    else
        TrayIcon->ShowMainWindow();
}

void TMainForm::TrayIconDblClick(fw::TComponent* Sender) {
    // One modal window at a time: while one is up, the tray's picking brings it forward.
    if (fw::Application().ActivateModalWindow())
        return;
    if (DblClickAction == settings::kActionScreen)
        Pickcolorfromthescreen1Click(Sender);
    if (DblClickAction == settings::kActionPicker)
        Pickcolorfromthe1Click(Sender);
}

void TMainForm::PopupMenuPopup(fw::TComponent*) {
    // Exactly one of the two is offered.
    Showmainwindow1->SetVisible(!Visible());
    Hidemainwindow1->SetVisible(Visible());
}

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
