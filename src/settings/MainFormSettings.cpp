// Reading and writing the settings, what closing the main window does, and the
// Preferences command.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Exception.h"
#include "main/Unit1.h"
#include "palettes/PaletteCatalogue.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsRules.h"
#include "settings/Unit5.h"

namespace {

RECT WindowRectOf(const fw::TForm& form) {
    RECT rc{};
    GetWindowRect(form.Handle(), &rc);
    return rc;
}

// Where the window goes when there is no usable stored position: measured from the
// primary display's full size (not its work area) and the window's size right now.
settings::Point FirstRunPosition(const fw::TForm& form) {
    const RECT rc = WindowRectOf(form);
    return settings::DefaultWindowPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                           rc.right - rc.left, rc.bottom - rc.top, form.Dpi());
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM data) {
    reinterpret_cast<std::vector<settings::Rect>*>(data)->push_back({area->left, area->top, area->right, area->bottom});
    return TRUE;
}

std::vector<settings::Rect> Monitors() {
    std::vector<settings::Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// Reads one value; a value that cannot be read is reported with the standard error
// box and replaced by its first-run default, so one bad value does not keep the
// others from loading or leave the start-up half done.
template <typename Read, typename T>
T ReadOr(Read read, T fallback) {
    try {
        return read();
    } catch (const fw::Exception& e) {
        fw::Application().ShowException(e.what());
        return fallback;
    }
}

// The executable as the system names the running module. Quoted, so that a path
// with spaces cannot be taken for another program followed by arguments.
std::string RunCommand() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // truncated: try again with more room
    }
    return "\"" + path + "\"";
}

}  // namespace

void TMainForm::LoadSettings() {
    // The window still has its designed size here; the first-run position is taken
    // from it before a chart changes the height.
    const settings::Point firstRun = FirstRunPosition(*this);
    const RECT rc = WindowRectOf(*this);
    const int outerWidth = rc.right - rc.left;
    const int outerHeight = rc.bottom - rc.top;

    InstallSessionEndSave();

    if (!settings::KeyExists(settings::kSettingsKeyPath)) {
        SetBounds(firstRun.x, firstRun.y, outerWidth, outerHeight);
        ShowPalette(settings::kDefaultActivePS);
        MinimizeClose = true;
        CloseAction = HideToTray;
        SystemStartup = false;
        DblClickAction = settings::kActionNone;
        return;  // nothing is written until the first save
    }

    const settings::RegistryKey key(settings::kSettingsKeyPath);
    settings::Point stored;
    stored.y = ReadOr([&] { return key.ReadInteger(settings::kWindowTop); }, firstRun.y);
    stored.x = ReadOr([&] { return key.ReadInteger(settings::kWindowLeft); }, firstRun.x);
    // A position left over from a display that is gone would put the window out of
    // reach; one that is only partly off-screen is the user's choice and stays.
    const settings::Point position =
        settings::KeepOrFallbackPosition(stored, outerWidth, outerHeight, Monitors(), firstRun);
    SetBounds(position.x, position.y, outerWidth, outerHeight);

    const std::string activePS =
        ReadOr([&] { return key.ReadString(settings::kActivePS); }, std::string(settings::kDefaultActivePS));
    if (settings::RouteActivePS(activePS) == settings::PaletteRoute::ShowPalette)
        ShowPalette(activePS);
    else
        ShowScheme(activePS);

    MinimizeClose = ReadOr([&] { return key.ReadBool(settings::kMinimizeClose); }, true);
    SystemStartup = ReadOr([&] { return key.ReadBool(settings::kSystemStartup); }, false);
    DblClickAction =
        ReadOr([&] { return key.ReadString(settings::kDblClickAction); }, std::string(settings::kActionNone));
}

void TMainForm::SaveSettings() {
    {
        settings::RegistryKey key(settings::kSettingsKeyPath);
        // The window's edges as they are now, or as they were when it was last shown.
        const RECT rc = WindowRectOf(*this);
        key.WriteInteger(settings::kWindowTop, rc.top);
        key.WriteInteger(settings::kWindowLeft, rc.left);
        key.WriteString(settings::kActivePS, "");
        for (std::string_view identifier : palettes::HideAllOrder()) {
            if (PaletteImage(identifier)->Visible())
                key.WriteString(settings::kActivePS, std::string(identifier));
        }
        key.WriteBool(settings::kMinimizeClose, MinimizeClose);
        key.WriteBool(settings::kSystemStartup, SystemStartup);
        key.WriteString(settings::kDblClickAction, DblClickAction);
    }
    settings::RegistryKey run(settings::kRunKeyPath);
    if (SystemStartup)
        run.WriteString(settings::kRunValueName, RunCommand());
    else
        run.DeleteValue(settings::kRunValueName);
}

void TMainForm::UpdateCloseAction() {
    CloseAction = MinimizeClose ? HideToTray : CloseAndFree;
}

void TMainForm::InstallSessionEndSave() {
    // A program that lives in the tray is rarely exited; without this, the end of
    // the Windows session would lose the position and chart of every run. The
    // session is ending: a failure is not worth a message box that could hold it up.
    sessionEndHook_.Install(fw::Application().Handle(), [this](UINT msg, WPARAM wParam, LPARAM, bool&) -> LRESULT {
        if (msg == WM_ENDSESSION && wParam) {
            try {
                SaveSettings();
            } catch (...) {
            }
        }
        return 0;
    });
}

void TMainForm::Preferences1Click(fw::TComponent*) {
    TFormPreferences& dialog = *FormPreferences;
    dialog.chkMinimizeClose->SetChecked(MinimizeClose);
    dialog.chkSystemStartup->SetChecked(SystemStartup);
    dialog.ActionBox->SetText(settings::kActionTextNone);
    if (DblClickAction == settings::kActionScreen || DblClickAction == settings::kActionPicker)
        dialog.ActionBox->SetText(std::string(settings::ActionToComboText(DblClickAction)));

    if (dialog.ShowModal() != fw::mrOk)
        return;

    MinimizeClose = dialog.chkMinimizeClose->Checked();
    SystemStartup = dialog.chkSystemStartup->Checked();
    DblClickAction = settings::ComboTextToAction(dialog.ActionBox->Text());
    SaveSettings();
    UpdateCloseAction();
}
