// The colour dialog component on the real system dialog: what it is opened with, where
// it is placed, what it leaves behind after OK and after Cancel. A watcher thread plays
// the user while the dialog runs its modal loop on the test's thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "ColourDialog.h"
#include "Harness.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "picker/ColorDialog.h"

using namespace fw;

namespace {

using namespace harness::colour_dialog;

class HostForm : public TForm {
public:
    explicit HostForm(TComponent* owner) : TForm(owner) {
        Build({.name = "HostForm", .caption = "Host", .left = 40, .top = 40, .clientWidth = 150, .clientHeight = 100});
    }
};

HostForm* Host() {
    static HostForm* host = [] {
        InitializeTestApplication("Colour Dialog Test");
        return Application().CreateForm<HostForm>();
    }();
    return host;
}

// What the watcher saw while the dialog was up.
struct Seen {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    RECT rect{};
    bool hostEnabled = true;
    std::string red, green, blue;
    bool helpVisible = true;
    bool addVisible = true;
    bool defineVisible = false;
};

// Runs `dialog` with a watcher that records what it sees, does `act` inside the dialog,
// then presses `button`. Returns Execute's result.
bool RunWatched(TColorDialog& dialog, Seen& seen, int button, const std::function<void(HWND)>& act = {}) {
    harness::DialogWatcher watcher([&](HWND dlg) {
        seen.dialog = dlg;
        seen.owner = GetWindow(dlg, GW_OWNER);
        GetWindowRect(dlg, &seen.rect);
        seen.hostEnabled = IsWindowEnabled(Host()->Handle());
        seen.red = harness::Caption(GetDlgItem(dlg, kRedEdit));
        seen.green = harness::Caption(GetDlgItem(dlg, kGreenEdit));
        seen.blue = harness::Caption(GetDlgItem(dlg, kBlueEdit));
        seen.helpVisible = IsWindowVisible(GetDlgItem(dlg, kHelpButton));
        seen.addVisible = IsWindowVisible(GetDlgItem(dlg, kAddToCustom));
        seen.defineVisible = IsWindowVisible(GetDlgItem(dlg, kDefineCustom));
        if (act)
            act(dlg);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
    });
    return dialog.Execute();
}

class ColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Host()->Show();
        ASSERT_TRUE(IsWindowVisible(Host()->Handle()));
    }
    TColorDialog dialog{nullptr};
};

TEST_F(ColorDialogTest, StartsUnsetWithAllOptionsOff) {
    for (TColor c : dialog.CustomColors)
        EXPECT_EQ(c, 0xFFFFFFFFu);
    EXPECT_FALSE(dialog.Options.fullOpen);
    EXPECT_FALSE(dialog.Options.preventFullOpen);
    EXPECT_FALSE(dialog.Options.showHelp);
}

TEST_F(ColorDialogTest, OkOnAnUntouchedDialogTurnsTheDesktopReferenceIntoItsValue) {
    dialog.Color = clBackground;
    dialog.CustomColors[3] = 0x123456;
    Seen seen;
    ASSERT_TRUE(RunWatched(dialog, seen, IDOK));
    ASSERT_NE(seen.dialog, nullptr) << "the colour dialog never appeared";

    // Opened with the desktop colour, owned by the application window, short form that
    // can be expanded, no Help button, the program's window disabled meanwhile.
    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
    EXPECT_EQ(seen.red, std::to_string(GetRValue(desktop)));
    EXPECT_EQ(seen.green, std::to_string(GetGValue(desktop)));
    EXPECT_EQ(seen.blue, std::to_string(GetBValue(desktop)));
    EXPECT_EQ(seen.owner, Application().Handle());
    EXPECT_FALSE(seen.hostEnabled);
    EXPECT_FALSE(seen.helpVisible);
    EXPECT_FALSE(seen.addVisible);
    EXPECT_TRUE(seen.defineVisible);

    // Centred across the monitor of the active window, a third of the free height down.
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoA(MonitorFromWindow(Host()->Handle(), MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& m = mi.rcMonitor;
    const int width = seen.rect.right - seen.rect.left;
    const int height = seen.rect.bottom - seen.rect.top;
    EXPECT_EQ(seen.rect.left, m.left + (m.right - m.left - width) / 2);
    EXPECT_EQ(seen.rect.top, m.top + (m.bottom - m.top - height) / 3);

    // The reference has become the explicit value; the custom colours came back as given.
    EXPECT_EQ(dialog.Color, desktop);
    EXPECT_EQ(dialog.Color >> 24, 0u);
    for (int i = 0; i < TColorDialog::kCustomColorCount; ++i)
        EXPECT_EQ(dialog.CustomColors[static_cast<size_t>(i)], i == 3 ? 0x123456u : 0xFFFFFFFFu) << i;

    // The program's window is usable and active again.
    EXPECT_TRUE(IsWindowEnabled(Host()->Handle()));
    EXPECT_EQ(GetActiveWindow(), Host()->Handle());
}

TEST_F(ColorDialogTest, OkHandsBackTheChosenColourAndTheAddedCustomColour) {
    dialog.Color = 0x000000;
    Seen seen;
    ASSERT_TRUE(RunWatched(dialog, seen, IDOK, [](HWND dlg) {
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kDefineCustom, BN_CLICKED), 0);
        SetWindowTextA(GetDlgItem(dlg, kRedEdit), "200");
        SetWindowTextA(GetDlgItem(dlg, kBlueEdit), "17");
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kAddToCustom, BN_CLICKED), 0);
    }));
    EXPECT_EQ(dialog.Color, RGB(200, 0, 17));
    int found = 0;
    for (TColor c : dialog.CustomColors)
        found += c == RGB(200, 0, 17);
    EXPECT_EQ(found, 1);
}

TEST_F(ColorDialogTest, CancelLeavesTheColourAndTheCustomColoursAsTheyWere) {
    dialog.Color = 0x336699;
    dialog.CustomColors[0] = 0x010203;
    const auto before = dialog.CustomColors;
    Seen seen;
    // The user changes the colour and adds it to the custom colours, then cancels: the
    // dialog wrote into its array, but none of it may stick.
    EXPECT_FALSE(RunWatched(dialog, seen, IDCANCEL, [](HWND dlg) {
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kDefineCustom, BN_CLICKED), 0);
        SetWindowTextA(GetDlgItem(dlg, kGreenEdit), "250");
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kAddToCustom, BN_CLICKED), 0);
    }));
    ASSERT_NE(seen.dialog, nullptr);
    EXPECT_EQ(seen.red, "153");
    EXPECT_EQ(seen.green, "102");
    EXPECT_EQ(seen.blue, "51");
    EXPECT_EQ(dialog.Color, 0x336699u);
    EXPECT_EQ(dialog.CustomColors, before);
    EXPECT_TRUE(IsWindowEnabled(Host()->Handle()));
}

}  // namespace
