// A long session of real input: thousands of chart keys, palette clicks, screen picks,
// colour-dialog runs, activations of the main window (each reloads the picking cursor)
// and tray clicks, in ten equal rounds. After the first round the program's GDI and
// USER objects, handles and memory are counted; after the last they must be the same
// within a small margin, and the program must still answer and pick.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "HuetroveWindow.h"

using namespace e2e;

namespace {

constexpr char kSettingsKey[] = "Software\\Brightquill\\Huetrove";
constexpr int kRounds = 10;
// Totals over the whole soak.
constexpr int kChartSwitches = 2000;
constexpr int kPaletteClicks = 500;
constexpr int kScreenPicks = 200;
constexpr int kDialogRuns = 200;
constexpr int kActivations = 500;
constexpr int kTrayClicks = 500;
// What may differ between the first round and the last: caches that settle, a
// tooltip window made on first use. A leak of one object per action shows as
// hundreds.
constexpr long kGdiMargin = 8;
constexpr long kUserMargin = 3;
constexpr long kHandleMargin = 8;
constexpr unsigned long long kPrivateMarginKb = 2048;

// A window of this test to take the activation from the main window and hand it back.
class OtherWindow {
public:
    OtherWindow() {
        window_ = CreateWindowExA(0, "STATIC", "soak", WS_POPUP | WS_VISIBLE | WS_BORDER, 40, 40, 120, 80, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

class Soak : public testing::Test {
protected:
    static void SetUpTestSuite() { DeleteRegistryKey(kSettingsKey); }

    void SetUp() override {
        app = std::make_unique<Huetrove>(ProgramDirectory());
        ASSERT_TRUE(WaitUntil([] { return WindowRect(Taskbar()).right - WindowRect(Taskbar()).left > 100; }, 10s));
        icon = FirstIconSlot();
        ASSERT_TRUE(WaitUntil([&] { return IconDrawnAt(icon); }, 10s)) << "no icon in the tray";
    }

    void TearDown() override {
        if (HasFailure())
            SaveScreenshot({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, "soak-failure.bmp");
        app.reset();
    }

    HWND Main() const { return app->main(); }
    DWORD Id() { return app->process().Id(); }

    HWND PickingWindow() const { return app->PickingWindow(); }
    HWND ColourDialog() { return FindTopLevelWindow(Id(), {.className = "#32770", .visibleOnly = true}); }
    HWND ShownChart() const { return app->ShownChart(); }

    // The main window in front, as a user brings it back before typing.
    bool Front() {
        if (IsForeground(Main()))
            return true;
        return BringToForeground(Main());
    }

    // Chart keys F2..F8 in turn: each shows another chart.
    void SwitchCharts(int count) {
        ASSERT_TRUE(Front());
        for (int i = 0; i < count; ++i) {
            if (i % 50 == 0) {
                ASSERT_TRUE(Front());
            }
            PressKey(static_cast<WORD>(VK_F2 + (switches_++ % 7)));
        }
    }

    void ClickPalette(int count) {
        ASSERT_TRUE(Front());
        HWND chart = WaitFor([&] { return ShownChart(); }, 5s);
        ASSERT_NE(chart, nullptr);
        const SIZE size = ClientSize(chart);
        for (int i = 0; i < count; ++i)
            Click(ClientToScreenPoint(chart, POINT{(i * 37) % (size.cx - 2) + 1, (i * 23) % (size.cy - 2) + 1}));
    }

    // Ctrl+S, a click anywhere, and the main window back; a key or click that the
    // virtual desktop dropped is given again.
    void PickFromScreen(int count) {
        for (int i = 0; i < count; ++i) {
            bool started = false;
            for (int attempt = 0; attempt < 3 && !started; ++attempt) {
                ASSERT_TRUE(Front());
                PressKeys({VK_CONTROL, 'S'});
                started = WaitFor([&] { return PickingWindow(); }, 5s) != nullptr;
            }
            ASSERT_TRUE(started) << "screen picking did not start";
            bool ended = false;
            for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
                Click(POINT{300 + i % 200, 400});
                ended = WaitUntil([&] { return PickingWindow() == nullptr && IsVisible(Main()); }, 5s);
            }
            ASSERT_TRUE(ended) << "screen picking did not end with a click";
        }
    }

    // Ctrl+P, then OK and Cancel in turn.
    void RunColourDialog(int count) {
        for (int i = 0; i < count; ++i) {
            HWND dialog = nullptr;
            for (int attempt = 0; attempt < 3 && !dialog; ++attempt) {
                ASSERT_TRUE(Front());
                PressKeys({VK_CONTROL, 'P'});
                dialog = WaitFor([&] { return ColourDialog(); }, 5s);
            }
            ASSERT_NE(dialog, nullptr) << "the colour dialog did not open";
            bool closed = false;
            for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
                BringToForeground(dialog);
                PressKey(i % 2 ? VK_ESCAPE : VK_RETURN);
                closed = WaitUntil([&] { return ColourDialog() == nullptr; }, 5s);
            }
            ASSERT_TRUE(closed) << "the colour dialog did not close";
        }
    }

    void Activate(int count, const OtherWindow& other) {
        for (int i = 0; i < count; ++i) {
            BringToForeground(other.Handle());
            PumpMessages();
            ASSERT_TRUE(BringToForeground(Main())) << "the main window did not become active";
        }
    }

    // Each click on the icon hides or shows the main window; an even count ends shown.
    void ClickTray(int count) {
        for (int i = 0; i < count; ++i) {
            const bool wasShown = IsVisible(Main());
            bool toggled = false;
            for (int attempt = 0; attempt < 3 && !toggled; ++attempt) {
                Click(NextIconSpot(icon));
                toggled = WaitUntil([&] { return IsVisible(Main()) != wasShown; }, 3s);
            }
            ASSERT_TRUE(toggled) << "a tray click did not toggle the main window";
        }
        ASSERT_TRUE(IsVisible(Main()));
    }

    void Round(const OtherWindow& other) {
        SwitchCharts(kChartSwitches / kRounds);
        ClickPalette(kPaletteClicks / kRounds);
        PickFromScreen(kScreenPicks / kRounds);
        RunColourDialog(kDialogRuns / kRounds);
        Activate(kActivations / kRounds, other);
        ClickTray(kTrayClicks / kRounds);
        // Everything handed over has been handled before anything is counted.
        ASSERT_TRUE(WaitUntil(
            [&] {
                DWORD_PTR result = 0;
                return SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
            },
            10s));
        ASSERT_TRUE(app->process().WaitForInputIdle(10s));
    }

    static void Report(const char* when, const ProcessResources& r) {
        std::printf("%s: GDI %ld, USER %ld, handles %ld, windows %ld, working set %llu KB, private %llu KB\n", when,
                    r.gdiObjects, r.userObjects, r.handles, r.windows, r.workingSetKb, r.privateKb);
    }

    std::unique_ptr<Huetrove> app;
    POINT icon{};
    int switches_ = 0;
};

TEST_F(Soak, TenRoundsOfEveryActionLeaveTheProgramAsTheFirstRoundDid) {
    OtherWindow other;
    Round(other);
    ASSERT_FALSE(HasFatalFailure());
    const ProcessResources first = MeasureResources(app->process().Handle());
    Report("after the first round", first);
    std::printf("(%s)\n", HowCounted(first).c_str());
    for (int round = 1; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round + 1));
        Round(other);
        ASSERT_FALSE(HasFatalFailure());
    }
    const ProcessResources last = MeasureResources(app->process().Handle());
    Report("after the last round", last);

    EXPECT_GT(first.gdiObjects, 0) << "GDI objects were not counted";
    EXPECT_GT(first.handles, 0) << "handles were not counted";
    EXPECT_LE(last.gdiObjects, first.gdiObjects + kGdiMargin);
    EXPECT_LE(last.userObjects, first.userObjects + kUserMargin);
    EXPECT_LE(last.handles, first.handles + kHandleMargin);
    EXPECT_LE(last.privateKb, first.privateKb + kPrivateMarginKb);

    // Still answering, and still picking.
    ASSERT_TRUE(Front());
    app->Press({VK_F3});
    HWND chart = WaitFor([&] { return ShownChart(); }, 5s);
    ASSERT_NE(chart, nullptr);
    const POINT cell = ClientToScreenPoint(chart, POINT{MulDiv(2 * 8 + 4, ScreenDpi(), 96), MulDiv(4, ScreenDpi(), 96)});
    ClickAtRest(cell);
    EXPECT_TRUE(WaitUntil([&] { return app->Html() == "#FFFF99"; }, 10s)) << app->Html();
}

}  // namespace
