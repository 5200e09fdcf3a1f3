#include "main/Unit1.h"

#include <windows.h>

#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Shell.h"
#include "main/MainFormDescription.h"
#include "main/StartupMarks.h"
#include "picker/ColorDialog.h"
#include "shared/BaseFunctions.h"
#include "shared/CompanionFiles.h"
#include "shared/FileZone.h"
#include "shared/ZoneIdentifier.h"
#include "tray/CoolTrayIcon.h"

using fw::TComponent;

namespace {

constexpr wchar_t kWebPage[] = L"https://brightquill.github.io/huetrove/";

constexpr char kBlockedHelpText[] =
    "Windows marks Help.chm as a file from the internet, so the help may show blank pages or "
    "\"Navigation to the webpage was canceled\".\r\r"
    "To unblock it: right-click Help.chm in the program's folder, choose Properties, tick "
    "\"Unblock\" and click OK. For a portable copy, unblock the downloaded zip in the same way "
    "before unpacking it.";

}  // namespace

TMainForm::TMainForm(TComponent* owner) : fw::TForm(owner) {
    Build(forms::kMainForm);
    ColorDialog = new TColorDialog(this);
    NameForReaders();
    LayOutCharts(false);  // the height stays as designed until the settings show a chart
    huetrove::MarkStartup(huetrove::TStartupMark::ChartsDrawn);
    CreateTrayIcon();
    huetrove::MarkStartup(huetrove::TStartupMark::MainFormBuilt);
}

void TMainForm::FormCreate(TComponent*) {
    LoadSettings();
    huetrove::MarkStartup(huetrove::TStartupMark::SettingsLoaded);
    InstallSessionEndSave();
    UpdateCloseAction();
    SetCaption(" " + fw::Application().Title());
    HTMLColorEdit->SetText(huetrove::ColorToHTML(ColorPanel->Color()));
}

void TMainForm::FormActivate(TComponent*) {
    InstallPickCursor();
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
    // Put there by the program itself, as plain text handed over at once: the box's own
    // copy would offer its bold rich text, rendered only on demand, and gone with the
    // program.
    CopyText(HTMLColorEdit->Text());
}

void TMainForm::CopyText(const std::string& text) {
    // The texts are the code and decimal values: single-byte characters all.
    if (!fw::PutClipboardText(Handle(), std::wstring(text.begin(), text.end())))
        fw::Application().ShowMessageBox(Handle(), "The clipboard is in use by another program.\rNothing was copied.",
                                         fw::Application().Title(), MB_OK | MB_ICONWARNING);
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
    // Unpacked from a downloaded zip, the file carries the internet zone, and the viewer
    // shows blank pages whose explanation is in the help itself: say it here first.
    if (huetrove::BlockedZone(huetrove::FileZone(help)))
        fw::Application().ShowMessageBox(Handle(), kBlockedHelpText, fw::Application().Title(),
                                         MB_OK | MB_ICONINFORMATION);
    // A failing shell is not reported: there is nothing the user could do about it here.
    fw::ShellOpen(fw::Application().Handle(), help.c_str());
}

void TMainForm::webColorsOnLine1Click(TComponent*) {
    fw::ShellOpen(fw::Application().Handle(), kWebPage);  // a failure is not reported either
}

void TMainForm::FormClose(TComponent*, fw::TCloseAction& Action) {
    if (CloseAction == HideToTray)
        TrayIcon->HideMainWindow();  // the tray's own hide: window and taskbar button go
    if (CloseAction == CloseAndFree)
        SaveSettings();
    Action = CloseAction;
}

void TMainForm::Paint(HDC dc) {
    fw::TForm::Paint(dc);
    huetrove::MarkStartup(huetrove::TStartupMark::FirstPaint);
}
