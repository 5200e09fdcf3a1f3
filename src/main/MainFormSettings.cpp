// The main window's settings: applied at start-up, saved when the program ends and after
// Preferences; what closing the window does; the Preferences command.
#include <windows.h>

#include <string>

#include "framework/Application.h"
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "settings/SettingsStore.h"
#include "settings/Unit5.h"

namespace {

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

}  // namespace

void TMainForm::LoadSettings() {
    // The window still has its designed size here; the first-run position is taken
    // from it before a chart changes the height.
    const settings::Point firstRun = FirstRunPosition(*this);
    const SIZE outer = OuterSize(*this);
    const settings::LoadedSettings loaded = settings::LoadMainFormSettings(firstRun);
    const settings::MainFormSettings& values = loaded.values;

    SetBounds(values.position.x, values.position.y, outer.cx, outer.cy);
    if (settings::RouteActivePS(values.activePS) == settings::ChartRoute::ShowPalette)
        ShowPalette(values.activePS);
    else
        ShowScheme(values.activePS);

    // Judged at the size the chart gave the window. A position left over from a
    // display that is gone, or one that leaves nothing of the caption bar to grab,
    // would strand the window; one that is only partly off-screen is the user's choice.
    if (loaded.stored) {
        const SIZE shown = OuterSize(*this);
        const settings::Point position = settings::KeepOrFallbackPosition(values.position, shown.cx, shown.cy,
                                                                          settings::WorkAreas(), firstRun, Dpi());
        if (!(position == values.position))
            SetBounds(position.x, position.y, shown.cx, shown.cy);
    }

    MinimizeClose = values.preferences.minimizeClose;
    SystemStartup = values.preferences.systemStartup;
    DblClickAction = values.preferences.dblClickAction;
    // What failed is reported at the end, all in one box.
    if (!loaded.problems.empty())
        fw::Application().ShowException(loaded.problems);
}

void TMainForm::SaveSettings() {
    // The window's edges as they are now, or as they were when it was last shown.
    const RECT rc = WindowRectOf(*this);
    settings::MainFormSettings values{
        .position = {rc.left, rc.top}, .activePS = "", .preferences = {MinimizeClose, SystemStartup, DblClickAction}};
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
        if (ChartImage(entry.identifier)->Visible())
            values.activePS = entry.identifier;
    }
    settings::SaveMainFormSettings(values);
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
    settings::Preferences preferences{MinimizeClose, SystemStartup, DblClickAction};
    if (!FormPreferences->Edit(preferences))
        return;
    MinimizeClose = preferences.minimizeClose;
    SystemStartup = preferences.systemStartup;
    DblClickAction = preferences.dblClickAction;
    SaveSettings();
    UpdateCloseAction();
}
