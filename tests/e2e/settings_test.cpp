// The settings as a user meets them in the real program: what a first run and Exit
// leave in the registry, unreadable values at start-up, a save that cannot be
// written, the end of the Windows session, and the Preferences dialog driven with
// the keyboard and the mouse. Every test starts without settings and leaves none.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FirstRunTest.h"

using namespace harness;

namespace {

bool IsChecked(HWND checkBox) {
    return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A left click on a control as the mouse delivers it: the control takes the focus
// at the press and acts at the release. Posted to the control itself, so neither
// the pointer's travel nor a tooltip on the way can change where it lands.
void ClickControl(HWND control) {
    const LPARAM inside = MAKELPARAM(4, 4);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageA(control, WM_LBUTTONUP, 0, inside);
}

// Clicks a check box and waits until it shows the change.
void Toggle(HWND checkBox) {
    const bool before = IsChecked(checkBox);
    ClickControl(checkBox);
    EXPECT_TRUE(WaitUntil([&] { return IsChecked(checkBox) != before; }, 5s));
}

// The title band's label: the one label that is not the dialog's own child.
HWND BandLabel(HWND dialog) {
    for (HWND label : ChildWindows(dialog, "fwLabel"))
        if (GetParent(label) != dialog)
            return label;
    return nullptr;
}

// The Preferences dialog of a running program, its controls found by their texts.
struct Preferences {
    HWND window = nullptr;
    HWND minimizeClose = ChildWithText(window, "Minimize to tray instead of closing");
    HWND systemStartup = ChildWithText(window, "Launch on system startup");
    HWND actionBox = FindChildWindow(window, "ComboBox");
    HWND ok = ChildWithText(window, "&Ok");
    HWND cancel = ChildWithText(window, "&Cancel");
    HWND bandLabel = BandLabel(window);

    bool Complete() const { return minimizeClose && systemStartup && actionBox && ok && cancel && bandLabel; }
    HWND ActionEdit() const { return FindChildWindow(actionBox, "Edit"); }
    std::string Action() const { return WindowText(actionBox); }
};

class SettingsE2E : public HuetroveTest {
protected:
    void Start() { Settle(HuetroveTest::Start().main()); }

    Preferences Open() {
        HWND dialog = app->OpenPreferences();
        EXPECT_NE(dialog, nullptr);
        Preferences preferences{dialog};
        EXPECT_TRUE(preferences.Complete());
        // Keys go to the dialog from here on.
        EXPECT_TRUE(WaitUntil([&] { return IsForeground(dialog); }, 5s));
        return preferences;
    }

    // The program started and Preferences open, as most cases begin.
    Preferences StartAndOpen() {
        Start();
        return Open();
    }

    // A key that closes the dialog, pressed in it.
    void CloseWith(const Preferences& preferences, WORD key) {
        EXPECT_TRUE(PressUntil(key == VK_ESCAPE ? "Escape closes Preferences" : "Enter closes Preferences",
                               preferences.window, {key}, [&] { return !IsVisible(preferences.window); }));
        Closed(preferences);
    }

    void ClickOk(const Preferences& preferences) {
        ClickControl(preferences.ok);
        Closed(preferences);
    }

    // Waits for the dialog to go and the command that showed it to finish.
    void Closed(const Preferences& preferences) {
        ASSERT_TRUE(WaitUntil([&] { return !IsVisible(preferences.window); }, 10s));
        Settle(app->main());
    }

    // Clicks into the action box and types the text over the whole of its text; a
    // retyping replaces it all.
    static void TypeInto(const Preferences& p, const std::string& text) {
        ClickControl(p.ActionEdit());
        // Selected only once the click has put the caret there.
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(p.window) == p.ActionEdit(); }, 5s));
        Settle(p.window);
        TypeOver(p.ActionEdit(), text);
    }

    // File > Exit: the program ends, or reports that it could not save.
    void Exit() {
        app->MenuCommand('F', 'X', "File > Exit ends the program or reports",
                         [&] { return !app->process().IsRunning() || !MessageBoxes(app->ProcessId()).empty(); },
                         {.deadline = 15s, .attempts = kStepAttempts});
    }
};

TEST_F(SettingsE2E, AFirstRunWritesNothingAndExitWritesTheSixValues) {
    Start();
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
    const RECT rc = WindowRect(app->main());
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN) - 15);
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN) - 83);

    Exit();
    ASSERT_TRUE(app->process().WaitForExit(15s));
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
    EXPECT_EQ(StoredNumber("WindowTop"), static_cast<DWORD>(rc.top));
    EXPECT_EQ(StoredNumber("WindowLeft"), static_cast<DWORD>(rc.left));
    EXPECT_EQ(StoredText("ActivePS"), "palWeb");
    EXPECT_EQ(StoredNumber("MinimizeClose"), 1u);
    EXPECT_EQ(StoredNumber("SystemStartup"), 0u);
    EXPECT_EQ(StoredText("DblClickAction"), "None");
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
}

TEST_F(SettingsE2E, ClosingWhileClosesHideSavesNothing) {
    Start();
    PostMessageA(app->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(app->main()); }, 10s));
    Settle(app->main());
    EXPECT_TRUE(app->process().IsRunning());
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
}

struct UnreadableTop {
    std::string stored;
    const char* message;
};

class UnreadableWindowTop : public SettingsE2E, public testing::WithParamInterface<UnreadableTop> {};

TEST_P(UnreadableWindowTop, IsReportedAndStartUpStillCompletes) {
    ASSERT_TRUE(StoreSettings({.activePS = "schWXP", .minimizeClose = 0}));
    ASSERT_TRUE(WriteRegistryString(kSettingsKey, "WindowTop", GetParam().stored));

    Process process = Process::Launch(ProgramPath());
    auto box = WaitForMessageBox(process.Id(), 30s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, kTitle);
    EXPECT_EQ(box->text, GetParam().message);
    EXPECT_NE(box->icon, nullptr);
    AnswerMessageBox(box->window, box->buttons.at(0).window);

    HWND main = WaitForMainWindow(process.Id());
    ASSERT_NE(main, nullptr) << "start-up did not complete";
    EXPECT_TRUE(MessageBoxes(process.Id()).empty());
    EXPECT_EQ(WindowRect(main).left, 300);
    EXPECT_EQ(WindowText(ChildAt(main, POINT{57, 20})).size(), 7u);  // the HTML box is filled

    // MinimizeClose reads false and a close ends the program, saving a repaired store.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(process.WaitForExit(15s));
    EXPECT_TRUE(StoredNumber("WindowTop").has_value());
    EXPECT_EQ(StoredText("ActivePS"), "schWXP");
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         UnreadableWindowTop,
                         testing::Values(UnreadableTop{"1", "Invalid data type for 'WindowTop'"},
                                         UnreadableTop{"12345", "Failed to get data for 'WindowTop'"}));

TEST_F(SettingsE2E, AnOffScreenPositionOpensTheWindowWhereAFirstRunWould) {
    ASSERT_TRUE(StoreSettings({.windowLeft = -3000, .dblClickAction = nullptr}));
    Start();
    const RECT rc = WindowRect(app->main());
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN) - 15);
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN) - 83);
}

TEST_F(SettingsE2E, AFailedSaveAtExitKeepsTheProgramRunningAndExitTriesAgain) {
    // The store's parent key made volatile: a lasting key cannot be created below it.
    ASSERT_TRUE(CreateRegistryKey(kMakerKey, REG_OPTION_VOLATILE));
    Start();
    Exit();
    auto box = WaitForMessageBox(app->process().Id(), 15s);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, kTitle);
    EXPECT_EQ(box->text, "Failed to set data for 'WindowTop'");
    EXPECT_EQ(box->owner, Owner(app->main()));
    AnswerMessageBox(box->window, box->buttons.at(0).window);
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(app->process().Id()).empty(); }, 10s));
    Settle(app->main());
    EXPECT_FALSE(app->process().WaitForExit(1s));
    EXPECT_TRUE(IsVisible(app->main()));

    // A plain close now tries again too: CloseAction stayed CloseAndFree.
    RemoveAllSettings();
    PostMessageA(app->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app->process().WaitForExit(15s));
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
}

TEST_F(SettingsE2E, TheEndOfTheSessionSavesWithoutAsking) {
    Start();
    HWND application = Owner(app->main());
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(EndSession(application));
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
    EXPECT_EQ(StoredText("ActivePS"), "palWeb");
    ASSERT_TRUE(app->process().WaitForExit(15s));
}

TEST_F(SettingsE2E, AFailedSaveAtTheEndOfTheSessionShowsNoBox) {
    ASSERT_TRUE(CreateRegistryKey(kMakerKey, REG_OPTION_VOLATILE));
    Start();
    SendMessageTimeoutA(Owner(app->main()), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, nullptr);
    ASSERT_TRUE(app->process().WaitForExit(15s));
    EXPECT_FALSE(RegistryKeyExists(kSettingsKey));
}

TEST_F(SettingsE2E, PreferencesShowsTheSettingsAndTheTitle) {
    Preferences p = StartAndOpen();
    EXPECT_EQ(ClientSize(p.window).cx, 327);
    EXPECT_EQ(ClientSize(p.window).cy, 233);
    EXPECT_EQ(Owner(p.window), Owner(app->main()));
    EXPECT_EQ(WindowText(p.bandLabel), kTitle);
    EXPECT_TRUE(IsChecked(p.minimizeClose));
    EXPECT_FALSE(IsChecked(p.systemStartup));
    EXPECT_EQ(p.Action(), "None");
    EXPECT_EQ(SendMessageA(p.actionBox, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(p.actionBox, CB_GETITEMHEIGHT, 0, 0), 13);
    EXPECT_FALSE(IsWindowEnabled(app->main())) << "the dialog is modal";
    // Centred on the screen.
    const RECT rc = WindowRect(p.window);
    EXPECT_NEAR((rc.left + rc.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((rc.top + rc.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    CloseWith(p, VK_ESCAPE);
    EXPECT_TRUE(IsWindowEnabled(app->main()));
}

TEST_F(SettingsE2E, EnterCancelsAtTheFirstOpening) {
    Preferences p = StartAndOpen();
    EXPECT_EQ(FocusOf(p.window), p.minimizeClose);
    // Space clears the box; Enter must not keep that.
    ASSERT_TRUE(ToggleUntilChanged(
        "Space clears the box",
        [&] {
            if (!BringToForeground(p.window))
                return false;
            PressKey(VK_SPACE);
            return true;
        },
        [&] { return IsChecked(p.minimizeClose); }));
    ASSERT_FALSE(IsChecked(p.minimizeClose));
    CloseWith(p, VK_RETURN);
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
    // Closes still hide to the tray.
    PostMessageA(app->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(app->main()); }, 10s));
    EXPECT_FALSE(app->process().WaitForExit(1s));
}

TEST_F(SettingsE2E, AfterOkByMouseEnterConfirmsTheNextOpening) {
    Preferences p = StartAndOpen();
    ClickOk(p);
    // OK without a change still saves everything.
    ASSERT_TRUE(RegistryKeyExists(kSettingsKey));
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
    EXPECT_EQ(StoredNumber("WindowLeft"), static_cast<DWORD>(WindowRect(app->main()).left));
    EXPECT_EQ(StoredText("ActivePS"), "palWeb");

    RemoveAllSettings();
    Preferences again = Open();
    EXPECT_EQ(again.window, p.window) << "one dialog, shown again";
    EXPECT_EQ(FocusOf(again.window), again.ok) << "the focus is where it was left";
    CloseWith(again, VK_RETURN);
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
}

TEST_F(SettingsE2E, EscapeAndTheCloseBoxCancelAndCancelledEditsDoNotComeBack) {
    Preferences p = StartAndOpen();
    ClickControl(p.systemStartup);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(p.systemStartup); }, 5s));
    CloseWith(p, VK_ESCAPE);
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));

    p = Open();
    EXPECT_FALSE(IsChecked(p.systemStartup));
    ClickControl(p.minimizeClose);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(p.minimizeClose); }, 5s));
    PostMessageA(p.window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the caption bar's close box
    Closed(p);
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));

    p = Open();
    EXPECT_TRUE(IsChecked(p.minimizeClose));
    CloseWith(p, VK_ESCAPE);
}

TEST_F(SettingsE2E, TheActionBoxMapsOnlyTheFullItemTexts) {
    Preferences p = StartAndOpen();
    TypeInto(p, "Screen");
    ASSERT_EQ(p.Action(), "Screen");
    ClickOk(p);
    EXPECT_EQ(StoredText("DblClickAction"), "None");

    // The full text of the second item, typed, is stored as "Screen" and shown again.
    p = Open();
    EXPECT_EQ(p.Action(), "None");
    TypeInto(p, "Select color from the screen");
    ASSERT_EQ(p.Action(), "Select color from the screen");
    ClickOk(p);
    EXPECT_EQ(StoredText("DblClickAction"), "Screen");

    p = Open();
    EXPECT_EQ(p.Action(), "Select color from the screen");
    CloseWith(p, VK_ESCAPE);
}

TEST_F(SettingsE2E, AStoredActionOtherThanScreenOrPickerShowsAndIsStoredAsNone) {
    ASSERT_TRUE(StoreSettings({.windowTop = 300, .dblClickAction = "screen"}));
    Preferences p = StartAndOpen();
    EXPECT_EQ(p.Action(), "None");
    ClickOk(p);
    EXPECT_EQ(StoredText("DblClickAction"), "None");
}

TEST_F(SettingsE2E, LaunchOnStartupWritesAndRemovesTheRunValueAtOnce) {
    Preferences p = StartAndOpen();
    Toggle(p.systemStartup);
    ClickOk(p);
    EXPECT_TRUE(RunValueStarts(ProgramPath())) << ReadRegistryString(kRunKey, "Huetrove").value_or("no Run value");
    EXPECT_EQ(StoredNumber("SystemStartup"), 1u);

    p = Open();
    EXPECT_TRUE(IsChecked(p.systemStartup));
    Toggle(p.systemStartup);
    ClickOk(p);
    EXPECT_FALSE(RegistryValueExists(kRunKey, "Huetrove"));
    EXPECT_EQ(StoredNumber("SystemStartup"), 0u);
}

TEST_F(SettingsE2E, ClearingMinimizeToTrayMakesTheNextCloseSaveAndEndTheProgram) {
    Preferences p = StartAndOpen();
    Toggle(p.minimizeClose);
    ClickOk(p);
    EXPECT_EQ(StoredNumber("MinimizeClose"), 0u);

    RemoveAllSettings();
    PostMessageA(app->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app->process().WaitForExit(15s));
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
    EXPECT_EQ(StoredNumber("MinimizeClose"), 0u);
}

TEST_F(SettingsE2E, TickingMinimizeToTrayAgainMakesClosesHide) {
    ASSERT_TRUE(StoreSettings({.windowTop = 300, .minimizeClose = 0, .dblClickAction = nullptr}));
    Preferences p = StartAndOpen();
    EXPECT_FALSE(IsChecked(p.minimizeClose));
    Toggle(p.minimizeClose);
    ClickOk(p);
    EXPECT_EQ(StoredNumber("MinimizeClose"), 1u);
    PostMessageA(app->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(app->main()); }, 10s));
    EXPECT_FALSE(app->process().WaitForExit(1s));
}

}  // namespace
