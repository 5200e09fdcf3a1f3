// Reading and writing the settings, what closing the main window does, and the
// Preferences command.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Exception.h"
#include "main/CompanionFiles.h"
#include "main/Unit1.h"
#include "palettes/PaletteCatalogue.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsRules.h"
#include "settings/Unit5.h"

namespace {

constexpr char kNoProgramPath[] = "Huetrove cannot start with Windows: the path of its program file cannot be read";

RECT WindowRectOf(const fw::TForm& form) {
    RECT rc{};
    GetWindowRect(form.Handle(), &rc);
    return rc;
}

SIZE OuterSize(const fw::TForm& form) {
    const RECT rc = WindowRectOf(form);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

// Where the window goes when there is no usable stored position: measured from the
// primary display's full size (not its work area) and the window's size right now.
settings::Point FirstRunPosition(const fw::TForm& form) {
    const SIZE outer = OuterSize(form);
    return settings::DefaultWindowPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), outer.cx,
                                           outer.cy, form.Dpi());
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& a = info.rcWork;
        reinterpret_cast<std::vector<settings::Rect>*>(data)->push_back({a.left, a.top, a.right, a.bottom});
    }
    return TRUE;
}

std::vector<settings::Rect> WorkAreas() {
    std::vector<settings::Rect> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// The executable, quoted so that a path with spaces cannot be taken for another program
// followed by arguments. Empty when the path cannot be had: such a value would start nothing.
std::wstring RunCommand() {
    const std::wstring path = huetrove::ExecutablePath();
    if (path.empty())
        return path;
    std::wstring command(1, L'"');
    command += path;
    return command += L'"';
}

std::string Lines(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages)
        text += (text.empty() ? "" : "\n") + message;
    return text;
}

}  // namespace

void TMainForm::LoadSettings() {
    // The window still has its designed size here; the first-run position is taken
    // from it before a chart changes the height.
    const settings::Point firstRun = FirstRunPosition(*this);
    const SIZE outer = OuterSize(*this);

    if (!settings::KeyExists(settings::kSettingsKeyPath)) {
        SetBounds(firstRun.x, firstRun.y, outer.cx, outer.cy);
        ShowPalette(settings::kDefaultActivePS);
        MinimizeClose = true;
        CloseAction = HideToTray;
        SystemStartup = false;
        DblClickAction = settings::kActionNone;
        return;  // nothing is written until the first save
    }

    // A value that cannot be read takes its first-run default and loading goes on;
    // what failed is reported at the end, all in one box.
    std::vector<std::string> problems;
    const auto readOr = [&problems](auto read, auto fallback) -> decltype(fallback) {
        try {
            return read();
        } catch (const fw::Exception& e) {
            problems.emplace_back(e.what());
            return fallback;
        }
    };
    const settings::RegistryKey key(settings::kSettingsKeyPath, settings::KeyAccess::Read);
    settings::Point stored;
    stored.y = readOr([&] { return key.ReadInteger(settings::kWindowTop); }, firstRun.y);
    stored.x = readOr([&] { return key.ReadInteger(settings::kWindowLeft); }, firstRun.x);
    SetBounds(stored.x, stored.y, outer.cx, outer.cy);

    const std::string activePS =
        readOr([&] { return key.ReadString(settings::kActivePS); }, std::string(settings::kDefaultActivePS));
    if (settings::RouteActivePS(activePS) == settings::PaletteRoute::ShowPalette)
        ShowPalette(activePS);
    else
        ShowScheme(activePS);

    // Judged at the size the chart gave the window. A position left over from a
    // display that is gone, or one that leaves nothing of the caption bar to grab,
    // would strand the window; one that is only partly off-screen is the user's choice.
    const SIZE shown = OuterSize(*this);
    const settings::Point position =
        settings::KeepOrFallbackPosition(stored, shown.cx, shown.cy, WorkAreas(), firstRun, Dpi());
    if (!(position == stored))
        SetBounds(position.x, position.y, shown.cx, shown.cy);

    MinimizeClose = readOr([&] { return key.ReadBool(settings::kMinimizeClose); }, true);
    SystemStartup = readOr([&] { return key.ReadBool(settings::kSystemStartup); }, false);
    DblClickAction =
        readOr([&] { return key.ReadString(settings::kDblClickAction); }, std::string(settings::kActionNone));

    if (!problems.empty())
        fw::Application().ShowException(Lines(problems));
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
    if (SystemStartup) {
        const std::wstring command = RunCommand();
        if (command.empty())
            throw fw::Exception(kNoProgramPath);  // an empty value would start nothing
        run.WriteString(settings::kRunValueName, command);
    } else {
        run.DeleteValue(settings::kRunValueName);
    }
}

void TMainForm::UpdateCloseAction() {
    CloseAction = MinimizeClose ? HideToTray : CloseAndFree;
}

void TMainForm::InstallSessionEndSave() {
    // A program that lives in the tray is rarely exited; without this, the end of
    // the Windows session would lose the position and chart of every run. Installed
    // only once the settings are loaded (and any error box about them is gone):
    // before that, the fields hold nothing read from the store, and saving them would
    // overwrite good settings. The session is ending: a failure is not worth a
    // message box that could hold it up.
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
