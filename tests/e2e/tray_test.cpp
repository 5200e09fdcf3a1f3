// The program's tray icon in Wine's notification area, driven with real mouse and
// keyboard input: the icon and its tooltip, clicks that hide and show the main
// window, the right-button menu, Ctrl+M, minimising, and ending from the tray.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FirstRunTest.h"

namespace {

using namespace harness;

class TrayTest : public FirstRunTest {
protected:
    void SetUp() override {
        // First-run settings: a double click does nothing beyond its click.
        ASSERT_NO_FATAL_FAILURE(FirstRunTest::SetUp());
        // Wine's taskbar takes its size once there is something to show in it.
        const auto barWidth = [] { return WindowRect(Taskbar()).right - WindowRect(Taskbar()).left; };
        ASSERT_TRUE(WaitUntil([&] { return barWidth() > 100; }, 10s)) << "no taskbar in this desktop";
        icon = FirstIconSlot();
        ASSERT_TRUE(WaitUntil([&] { return IconDrawnAt(icon); }, 10s)) << "no icon in the tray";
    }

    void TearDown() override {
        // Ended as the user would, so its icon leaves the tray before the next test.
        if (app && app->process().IsRunning()) {
            if (ShownTrayMenu())
                CloseMenu();  // a menu left open
            EndFromTray();
            app->process().WaitForExit(10s);
        }
        FirstRunTest::TearDown();
        MoveMouse({100, 100});
    }

    bool MainShown() const { return IsVisible(app->main()); }
    bool WaitShown(bool shown) const {
        return WaitUntil([&] { return MainShown() == shown; }, 5s);
    }

    HWND ShownTrayMenu() const { return ShownMenu(app->process().Id()); }
    HWND WaitForMenu() const { return app->WaitForWindow({.className = "#32768"}, 5s); }
    bool WaitMenuGone() const { return WaitUntil([&] { return !ShownTrayMenu(); }, 5s); }
    bool CloseMenu() {
        return PressUntil("Escape closes the menu", nullptr, {VK_ESCAPE}, [&] { return ShownTrayMenu() == nullptr; });
    }

    // Opens the tray menu with the right button (held, then let go) and presses `key` in
    // it, until `done`; once only without `done`, for a key that must do nothing.
    void MenuKey(WORD key, const std::string& what = {}, const std::function<bool()>& done = {}) {
        bool held = false;
        ASSERT_TRUE(SendUntil(
            "a right press on the icon opens the menu",
            [&] {
                if (held)
                    PressButton(MouseButton::Right, false);  // a press that opened nothing
                if (!MoveMouse(Spot()))
                    return false;
                PressButton(MouseButton::Right, true);
                held = true;
                return true;
            },
            [&] { return ShownTrayMenu() != nullptr; }))
            << "the menu did not open on the press";
        PressButton(MouseButton::Right, false);
        if (!done) {
            PressKey(key);
            return;
        }
        ASSERT_TRUE(PressUntil(what, nullptr, {key}, done));
    }

    // The icon, a little left or right of the last point pressed.
    POINT Spot() const { return NextIconSpot(icon); }

    // A click, or a double click, on the icon: either hides or shows the main window. True
    // once the window has changed and is then `shown` (or hidden).
    bool ClickIconUntilShown(bool shown, bool twice = false) {
        return ToggleUntilChanged(
                   twice ? "a double click on the icon hides or shows the main window"
                         : "a click on the icon hides or shows the main window",
                   [&] { return twice ? DoubleClick(Spot()) : Click(Spot()); }, [&] { return MainShown(); }) &&
               WaitShown(shown);
    }

    void EndFromTray() {
        // The last entry, "&Close Huetrove".
        MenuKey(VK_UP, "Up highlights the last entry", [&] { return MenuHighlighted(ShownTrayMenu()); });
        ASSERT_TRUE(PressUntil("Enter on Close Huetrove ends the program", nullptr, {VK_RETURN},
                               [&] { return !app->process().IsRunning(); }, {.deadline = 10s, .attempts = 2}));
    }

    // Whether an entry of a menu on show is highlighted: the menu lives in the program's
    // process, where its state cannot be read from here, but the highlight shows.
    static bool MenuHighlighted(HWND menu) {
        if (!menu)
            return false;
        const RECT r = WindowRect(menu);
        for (int y = r.top; y < r.bottom; ++y)
            if (ReadPixel({r.left + 4, y}) == GetSysColor(COLOR_HIGHLIGHT))
                return true;
        return false;
    }

    POINT icon{};
};

TEST_F(TrayTest, IconCarriesTheColourInItsTooltip) {
    HWND html = app->HtmlBox();
    ASSERT_TRUE(html);
    const std::string code = WindowText(html);
    ASSERT_EQ(code.size(), 7u);
    const POINT away{icon.x - 300, icon.y - 300};
    auto tip = HoverForTooltip(icon, away, 0, code);
    ASSERT_TRUE(tip) << "no tooltip with " << code;
    EXPECT_EQ(tip->rfind("Huetrove v1.0 // ", 0), 0u) << *tip;

    // Another colour from the colour chart changes the tooltip with it.
    const RECT client = ClientRectOnScreen(app->main());
    ASSERT_TRUE(ClickUntil(
        "a click on the chart picks another colour", {client.left + 20, client.top + 70},
        [&] { return WindowText(html) != code; }, app->main()));
    const std::string picked = WindowText(html);
    tip = HoverForTooltip(icon, away, 0, picked);
    ASSERT_TRUE(tip) << "the tooltip kept " << code;
    EXPECT_EQ(tip->substr(tip->size() - 7), picked);
}

TEST_F(TrayTest, ClicksOnTheIconHideAndShowTheMainWindowAndADoubleClickIsOneClick) {
    // The application window stands for the program on the taskbar.
    HWND application = app->Application();
    ASSERT_TRUE(application);
    ASSERT_TRUE(ClickIconUntilShown(false));
    // The main window goes first, then the taskbar button: another process may look between.
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(application); }, 5s));
    EXPECT_TRUE(IconDrawnAt(icon));
    ASSERT_TRUE(ClickIconUntilShown(true));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(application); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return IsForeground(app->main()); }, 5s));

    // A double click with no action set is its first click only.
    ASSERT_TRUE(ClickIconUntilShown(false, true));
    app->process().WaitForInputIdle(2s);
    EXPECT_FALSE(MainShown()) << "the double click toggled twice";
    ASSERT_TRUE(ClickIconUntilShown(true, true));
    EXPECT_TRUE(app->process().IsRunning());
}

// The shell's restart notice with no restart: the icon stays where it was, so the
// shell refuses the program's add, and the icon must still count as there.
TEST_F(TrayTest, ARestartNoticeWithoutARestartLeavesTheClickHidingToTheTray) {
    HWND application = app->Application();
    ASSERT_TRUE(application);
    ASSERT_TRUE(SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG,
                                    5000, nullptr));
    ASSERT_TRUE(ClickIconUntilShown(false));
    EXPECT_FALSE(IsIconic(application)) << "minimised to the taskbar, not hidden to the tray";
    EXPECT_TRUE(WaitUntil([&] { return !IsVisible(application); }, 5s)) << "the taskbar button stayed";
    EXPECT_TRUE(IconDrawnAt(icon));
}

TEST_F(TrayTest, MenuOffersExactlyOneOfShowAndHide) {
    // Shown: "&Show main window" is not in the menu, so its access key does nothing.
    MenuKey('S');
    ASSERT_TRUE(WaitForMenu());
    ASSERT_TRUE(CloseMenu());
    EXPECT_TRUE(MainShown());

    MenuKey('H', "H hides the main window", [&] { return !MainShown(); });
    ASSERT_TRUE(WaitShown(false));
    ASSERT_TRUE(WaitMenuGone());

    // Hidden: now "&Hide main window" is the one left out.
    MenuKey('H');
    ASSERT_TRUE(WaitForMenu());
    ASSERT_TRUE(CloseMenu());
    EXPECT_FALSE(MainShown());

    MenuKey('S', "S shows the main window", [&] { return MainShown(); });
    ASSERT_TRUE(WaitShown(true));
}

TEST_F(TrayTest, CloseFromTheTrayEndsTheProgramWhileHidden) {
    ASSERT_TRUE(ClickIconUntilShown(false));
    EndFromTray();
    ASSERT_TRUE(app->process().WaitForExit(10s)) << "the program did not end";
    EXPECT_TRUE(WaitUntil([&] { return !IconDrawnAt(icon); }, 5s)) << "the icon stayed in the tray";
}

TEST_F(TrayTest, CtrlMAndMinimisingHideTheMainWindowAndKeepTheIcon) {
    ASSERT_TRUE(app->PressUntil("Ctrl+M hides the main window", {VK_CONTROL, 'M'}, [&] { return !MainShown(); }));
    ASSERT_TRUE(WaitShown(false));
    EXPECT_TRUE(IconDrawnAt(icon));

    ASSERT_TRUE(ClickIconUntilShown(true));
    PostMessageA(app->main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitShown(false));
    EXPECT_TRUE(IconDrawnAt(icon));
    ASSERT_TRUE(ClickIconUntilShown(true));
}

// Close requests from outside. taskkill without /F posts WM_CLOSE to every top-level
// window of the process, hidden and owned ones included (Wine's was seen doing so): the
// application window, the forms, the tray's window. The program ends as Exit ends it,
// although the main window's own close only hides it to the tray here (first-run
// settings), and the icon leaves the tray with it.
TEST_F(TrayTest, TaskkillWithoutForceEndsTheProgramAsExitDoesSavingItsSettings) {
    const RECT shown = WindowRect(app->main());
    char system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    const std::string image = std::filesystem::path(ProgramPath()).filename().string();
    Process taskkill = Process::Launch(std::string(system) + "\\taskkill.exe", "/IM " + image);
    ASSERT_TRUE(taskkill.WaitForExit(10s));
    EXPECT_EQ(taskkill.ExitCode(), 0u) << "taskkill found no window of the program";
    ASSERT_TRUE(app->process().WaitForExit(5s)) << "the program outlived the close request";
    EXPECT_EQ(app->process().ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !IconDrawnAt(icon); }, 5s)) << "the icon stayed in the tray";
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u) << "the settings were not saved";
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "WindowLeft"), static_cast<DWORD>(shown.left));
    EXPECT_EQ(ReadRegistryDword(kSettingsKey, "WindowTop"), static_cast<DWORD>(shown.top));
    EXPECT_EQ(ReadRegistryString(kSettingsKey, "ActivePS"), "palWeb");
}

// The tray's window (and a timer's) is the program's own helper: a close request
// posted to it alone changes nothing, and the icon still answers clicks.
TEST_F(TrayTest, ACloseRequestToTheTrayWindowIsIgnored) {
    const std::vector<HWND> helpers = TopLevelWindows(app->process().Id(), {.className = "fwUtility"});
    ASSERT_FALSE(helpers.empty()) << "no tray window";
    for (HWND helper : helpers)
        PostMessageA(helper, WM_CLOSE, 0, 0);
    ASSERT_TRUE(ClickIconUntilShown(false));
    ASSERT_TRUE(ClickIconUntilShown(true));
    for (HWND helper : helpers)
        EXPECT_TRUE(IsWindow(helper));
    EXPECT_TRUE(app->process().IsRunning());
}

// Minimised to the tray, then brought back by a command from the tray menu: the
// application window must come back with the main window, or the next minimise does
// nothing and the taskbar button stays away.
class TrayRestoreTest : public TrayTest {
protected:
    void MinimiseToTray() {
        PostMessageA(app->main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(WaitShown(false)) << "minimising did not hide the window to the tray";
        EXPECT_TRUE(IconDrawnAt(icon));
    }

    // Shown again with the application restored, so a second minimise hides it again.
    void ExpectMinimisableAgain() {
        HWND application = app->Application();
        ASSERT_TRUE(application);
        EXPECT_TRUE(WaitUntil([&] { return !IsIconic(application) && IsVisible(application); }, 5s))
            << "the application window stayed minimised";
        MinimiseToTray();
        EXPECT_TRUE(WaitUntil([&] { return !IsVisible(application); }, 5s)) << "the taskbar button stayed";
    }
};

TEST_F(TrayRestoreTest, APickFromTheScreenStartedInTheTrayLeavesTheWindowMinimisable) {
    MinimiseToTray();
    MenuKey(VK_DOWN);  // the first entry, "Select &color from the screen"
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return app->PickingWindow() != nullptr; }, 10s)) << "picking did not start";
    HWND picking = app->PickingWindow();
    ASSERT_TRUE(ClickUntil(
        "pick a screen pixel", {400, 300}, [&] { return MainShown(); }, picking))
        << "the pick did not bring the main window back";
    EXPECT_TRUE(WaitUntil([&] { return IsForeground(app->main()); }, 5s));
    ExpectMinimisableAgain();
}

TEST_F(TrayRestoreTest, TheColourDialogStartedInTheTrayLeavesTheWindowMinimisable) {
    MinimiseToTray();
    MenuKey('O');  // "Select c&olor from the picker"
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = app->ColourDialog()) != nullptr; }, 10s)) << "no colour dialog";
    ASSERT_TRUE(BringToForeground(dialog));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return app->ColourDialog() == nullptr; }, 5s));
    EXPECT_FALSE(MainShown()) << "the dialog does not show the main window";
    Click(Spot());
    ASSERT_TRUE(WaitShown(true));
    ExpectMinimisableAgain();
}

// While a modal window is up, the tray's picking commands bring it forward instead of
// opening a second one, and the keyboard reaches it.
TEST_F(TrayRestoreTest, ThePickerFromTheTrayWhileTheColourDialogIsUpBringsThatDialogForward) {
    HWND dialog = app->OpenColourDialog();
    ASSERT_TRUE(dialog) << "Ctrl+P opened no dialog";
    MenuKey('O');  // "Select c&olor from the picker"
    ASSERT_TRUE(WaitMenuGone());
    EXPECT_TRUE(WaitUntil([&] { return IsForeground(dialog); }, 5s)) << "the dialog was not brought forward";
    app->process().WaitForInputIdle(2s);
    EXPECT_EQ(TopLevelWindows(app->process().Id(), {.className = "#32770", .visibleOnly = true}).size(), 1u)
        << "a second colour dialog opened";
    PressKey(VK_ESCAPE);  // reaches the dialog without a click
    ASSERT_TRUE(WaitUntil([&] { return app->ColourDialog() == nullptr; }, 5s)) << "the keyboard did not reach the dialog";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app->main()); }, 5s));
}

TEST_F(TrayRestoreTest, ScreenPickingFromTheTrayWhilePreferencesIsUpBringsPreferencesForward) {
    HWND preferences = app->OpenPreferences();
    ASSERT_TRUE(preferences) << "Ctrl+O opened no Preferences";
    MenuKey(VK_DOWN);  // "Select &color from the screen"
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitMenuGone());
    EXPECT_TRUE(WaitUntil([&] { return IsForeground(preferences); }, 5s)) << "Preferences was not brought forward";
    app->process().WaitForInputIdle(2s);
    EXPECT_EQ(app->PickingWindow(), nullptr) << "picking started under a modal window";
    EXPECT_TRUE(MainShown());
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(preferences); }, 5s)) << "the keyboard did not reach Preferences";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app->main()); }, 5s));
}

}  // namespace
