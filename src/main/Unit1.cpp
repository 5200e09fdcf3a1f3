#include "main/Unit1.h"

#include <windows.h>

#include <shellapi.h>

#include "forms/MainFormDescription.h"
#include "framework/Application.h"
#include "framework/StartupMarks.h"
#include "main/BaseFunctions.h"
#include "main/CompanionFiles.h"
#include "picker/ColorDialog.h"
#include "picker/PickCursor.h"

using fw::TComponent;

TMainForm* MainForm = nullptr;

namespace {

constexpr char kWebPage[] = "https://brightquill.github.io/huetrove/";

using Handler = fw::THandler<TMainForm>;

// The handlers by the names the description gives them.
constexpr Handler kHandlers[] = {
    {"FormCreate", &TMainForm::FormCreate},
    {"FormActivate", &TMainForm::FormActivate},
    {"HTMLColorEditChange", &TMainForm::HTMLColorEditChange},
    {"Copytoclipboard1Click", &TMainForm::Copytoclipboard1Click},
    {"Close1Click", &TMainForm::Close1Click},
    {"Contents1Click", &TMainForm::Contents1Click},
    {"webColorsOnLine1Click", &TMainForm::webColorsOnLine1Click},
    {"About1Click", &TMainForm::About1Click},
    {"Pickcolorfromthescreen1Click", &TMainForm::Pickcolorfromthescreen1Click},
    {"Pickcolorfromthe1Click", &TMainForm::Pickcolorfromthe1Click},
    {"ColorPanelClick", &TMainForm::ColorPanelClick},
    {"PopupMenuPopup", &TMainForm::PopupMenuPopup},
    {"Pickscreencolor1Click", &TMainForm::Pickscreencolor1Click},
    {"Selectcolorfromthepicker1Click", &TMainForm::Selectcolorfromthepicker1Click},
    {"Showmainwindow1Click", &TMainForm::Showmainwindow1Click},
    {"Hidemainwindow1Click", &TMainForm::Hidemainwindow1Click},
    {"Hidemainwindow2Click", &TMainForm::Hidemainwindow2Click},
    {"Exit2Click", &TMainForm::Exit2Click},
    {"Preferences1Click", &TMainForm::Preferences1Click},
    {"MpalWebClick", &TMainForm::MpalWebClick},
    {"MpalWebHueClick", &TMainForm::MpalWebHueClick},
    {"MpalWebSafeClick", &TMainForm::MpalWebSafeClick},
    {"MpalWindowsClick", &TMainForm::MpalWindowsClick},
    {"MpalMacClick", &TMainForm::MpalMacClick},
    {"MpalAdobeClick", &TMainForm::MpalAdobeClick},
    {"MpalVB1Click", &TMainForm::MpalVB1Click},
    {"MpalVB2Click", &TMainForm::MpalVB2Click},
    {"MschWXPClick", &TMainForm::MschWXPClick},
    {"MschXPClick", &TMainForm::MschXPClick},
    {"palWebClick", &TMainForm::palWebClick},
    {"palWebHueClick", &TMainForm::palWebHueClick},
    {"palWebSafeClick", &TMainForm::palWebSafeClick},
    {"palWindowsClick", &TMainForm::palWindowsClick},
    {"palMacClick", &TMainForm::palMacClick},
    {"palAdobeClick", &TMainForm::palAdobeClick},
    {"palVB1Click", &TMainForm::palVB1Click},
    {"palVB2Click", &TMainForm::palVB2Click},
    {"schWXPClick", &TMainForm::schWXPClick},
    {"schXPClick", &TMainForm::schXPClick},
    {"FormDpiChanged", &TMainForm::FormDpiChanged},
};

constexpr fw::TCloseHandler<TMainForm> kCloseHandlers[] = {{"FormClose", &TMainForm::FormClose}};

static_assert(fw::HandlersResolve<TMainForm>(forms::kMainForm, kHandlers, kCloseHandlers));

}  // namespace

TMainForm::TMainForm(TComponent* owner) : fw::TForm(owner) {
    MainForm = this;
    Build(forms::kMainForm, fw::MakeResolver<TMainForm>(this, kHandlers, kCloseHandlers));
    Bevel3 = Find<fw::TBevel>("Bevel3");
    HTMLColorEdit = Find<fw::TRichEdit>("HTMLColorEdit");
    RColorEdit = Find<fw::TRichEdit>("RColorEdit");
    GColorEdit = Find<fw::TRichEdit>("GColorEdit");
    BColorEdit = Find<fw::TRichEdit>("BColorEdit");
    ColorPanel = Find<fw::TPanel>("ColorPanel");
    PalettePanel = Find<fw::TPanel>("PalettePanel");
    PaletteName = Find<fw::TLabel>("PaletteName");
    MainMenu1 = Find<fw::TMainMenu>("MainMenu1");
    PopupMenu = Find<fw::TPopupMenu>("PopupMenu");
    HTMLColorPopup = Find<fw::TPopupMenu>("HTMLColorPopup");
    ColorDialog = new TColorDialog(this);
    LayOutCharts(false);  // the height stays as designed until the settings show a chart
    fw::MarkStartup(fw::TStartupMark::ChartsDrawn);
    CreateTrayIcon();
    fw::MarkStartup(fw::TStartupMark::MainFormBuilt);
}

TMainForm::~TMainForm() {
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::FormCreate(TComponent*) {
    LoadSettings();
    fw::MarkStartup(fw::TStartupMark::SettingsLoaded);
    InstallSessionEndSave();
    UpdateCloseAction();
    SetCaption(" " + fw::Application().Title());
    HTMLColorEdit->SetText(huetrove::ColorToHTML(ColorPanel->Color()));
}

void TMainForm::FormActivate(TComponent*) {
    InstallPickCursor();
}

void TMainForm::ApplyPickedColor(fw::TColor color) {
    ColorPanel->SetColor(color);
    HTMLColorEdit->SetText(huetrove::ColorToHTML(ColorPanel->Color()));
}

void TMainForm::HTMLColorEditChange(TComponent*) {
    const auto components = huetrove::DecimalComponents(HTMLColorEdit->Text());
    RColorEdit->SetText(components[0]);
    GColorEdit->SetText(components[1]);
    BColorEdit->SetText(components[2]);
    UpdateTrayHint();
}

void TMainForm::Copytoclipboard1Click(TComponent*) {
    HTMLColorEdit->SelectAll();
    HTMLColorEdit->CopyToClipboard();
}

void TMainForm::Close1Click(TComponent*) {
    CloseAction = CloseAndFree;
    Close();
}

void TMainForm::Contents1Click(TComponent*) {
    const std::wstring help = huetrove::FindCompanionFile(L"Help.chm");
    if (help.empty()) {
        fw::Application().ShowMessageBox(Handle(),
                                         "Your Huetrove installation is corrupted!\rHelp file for Huetrove is missing!",
                                         "Error", MB_OK | MB_ICONSTOP);
        return;
    }
    // A failing shell is not reported: there is nothing the user could do about it here.
    ShellExecuteW(fw::Application().Handle(), L"open", help.c_str(), L"", L"", SW_SHOWNORMAL);
}

void TMainForm::webColorsOnLine1Click(TComponent*) {
    ShellExecuteA(fw::Application().Handle(), "open", kWebPage, "", "", SW_SHOWNORMAL);
}

void TMainForm::FormClose(TComponent* Sender, fw::TCloseAction& Action) {
    if (CloseAction == HideToTray)
        Hidemainwindow1Click(Sender);  // the tray's own hide: window and taskbar button go
    if (CloseAction == CloseAndFree)
        SaveSettings();
    Action = CloseAction;
}

void TMainForm::Paint(HDC dc) {
    fw::TForm::Paint(dc);
    fw::MarkStartup(fw::TStartupMark::FirstPaint);
}
