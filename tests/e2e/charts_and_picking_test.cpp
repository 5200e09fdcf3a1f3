// The charts and picking, driven from outside as a user would: function keys show and
// hide charts, the screen shows exactly the chart's pixels, clicks on a chart pick
// what the screen shows, and Ctrl+S picks any pixel of the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HuetroveWindow.h"
#include "palettes/PaletteCatalogue.h"
#include "palettes/PaletteImage.h"

using namespace e2e;

namespace {

constexpr Duration kReact = 10s;
constexpr char kSettingsKey[] = "Software\\Brightquill\\Huetrove";

// A window of this test painted in one colour: "another program" to pick from.
class ColourWindow {
public:
    ColourWindow(COLORREF colour, RECT where) : brush_(CreateSolidBrush(colour)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = "PickTargetWindow";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, where.left, where.top,
                                  where.right - where.left, where.bottom - where.top, nullptr, nullptr, wc.hInstance,
                                  nullptr);
        UpdateWindow(window_);
    }
    ~ColourWindow() {
        DestroyWindow(window_);
        // The class holds the brush: the next window registers it afresh.
        UnregisterClassA("PickTargetWindow", GetModuleHandleA(nullptr));
        DeleteObject(brush_);
    }

private:
    HBRUSH brush_;
    HWND window_;
};

class ChartsAndPicking : public testing::Test {
protected:
    // A first run: the web colours on show.
    static void SetUpTestSuite() { DeleteRegistryKey(kSettingsKey); }

    void SetUp() override { app = std::make_unique<Huetrove>(ProgramDirectory()); }

    void TearDown() override {
        if (HasFailure()) {
            const auto* info = testing::UnitTest::GetInstance()->current_test_info();
            SaveScreenshot({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                           std::string(info->name()) + "-failure.bmp");
        }
        app.reset();
    }

    HWND Main() const { return app->main(); }
    int ClientHeight() const { return ClientSize(Main()).cy; }
    bool WaitForClientHeight(int height) const {
        return WaitUntil([&] { return ClientHeight() == height; }, kReact);
    }
    std::string Label() const {
        for (HWND label : ChildWindows(Main(), "fwLabel"))
            return WindowText(label);
        return {};
    }
    HWND ShownChart() const { return app->ShownChart(); }
    HWND PickingWindow() const { return app->PickingWindow(); }
    bool WaitForHtml(const std::string& html) const {
        return WaitUntil([&] { return app->Html() == html; }, kReact);
    }
    POINT OnChart(int x, int y) const { return ClientToScreenPoint(ShownChart(), POINT{x, y}); }

    std::unique_ptr<Huetrove> app;
};

struct Key {
    std::string identifier;
    std::vector<WORD> keys;
    int clientHeight;
};

TEST_F(ChartsAndPicking, EachKeyShowsItsChartPixelForPixelHidesItAndShowsItAgain) {
    const std::vector<Key> keys = {
        {"palWeb", {VK_F1}, 245},
        {"palWebHue", {VK_F2}, 181},
        {"palWebSafe", {VK_F3}, 181},
        {"palWindows", {VK_F4}, 197},
        {"palMac", {VK_F5}, 197},
        {"palAdobe", {VK_F6}, 133},
        {"palVB1", {VK_F7}, 237},
        {"palVB2", {VK_F8}, 197},
        {"schWXP", {VK_CONTROL, VK_F1}, 101},
        {"schXP", {VK_CONTROL, VK_F2}, 133},
    };
    ASSERT_TRUE(WaitForClientHeight(245)) << "starts with the web colours";
    for (const Key& key : keys) {
        SCOPED_TRACE(key.identifier);
        const palettes::PaletteEntry* entry = palettes::FindPaletteEntry(key.identifier);
        ASSERT_NE(entry, nullptr);
        auto press = [&] {
            BringToForeground(Main());
            if (key.keys.size() == 1)
                PressKey(key.keys[0]);
            else
                PressKeys({key.keys[0], key.keys[1]});
        };
        // palWeb is on show at first: its key hides it before showing it.
        if (key.identifier == "palWeb") {
            press();
            ASSERT_TRUE(WaitForClientHeight(56));
        }
        press();
        ASSERT_TRUE(WaitForClientHeight(key.clientHeight));
        EXPECT_EQ(Label(), std::string(entry->caption));

        // What the screen shows in the chart: every pixel of the image but its last
        // row, which the panel cuts off.
        HWND chart = ShownChart();
        ASSERT_NE(chart, nullptr);
        const palettes::PaletteImage image = palettes::DrawPaletteImage(*entry);
        const POINT origin = ClientToScreenPoint(chart, POINT{0, 0});
        int wrong = 0;
        const bool painted = WaitUntil(
            [&] {
                wrong = 0;
                HDC screen = GetDC(nullptr);
                for (int y = 0; y < image.height - 1; ++y) {
                    for (int x = 0; x < image.width; ++x) {
                        const COLORREF got = GetPixel(screen, origin.x + x, origin.y + y);
                        const std::uint32_t rgb = image.At(x, y);
                        if (got != RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF))
                            ++wrong;
                    }
                }
                ReleaseDC(nullptr, screen);
                return wrong == 0;
            },
            kReact, 200ms);
        EXPECT_TRUE(painted) << wrong << " pixels differ";

        press();
        ASSERT_TRUE(WaitForClientHeight(56)) << "the same key hides it";
        EXPECT_EQ(ShownChart(), nullptr);
        EXPECT_EQ(Label(), std::string(entry->caption)) << "the label keeps the last name";
        press();
        ASSERT_TRUE(WaitForClientHeight(key.clientHeight)) << "and shows it again";
    }
}

TEST_F(ChartsAndPicking, SchemeKeyMovesFromAPalette) {
    app->Press({VK_F4});
    ASSERT_TRUE(WaitForClientHeight(197));
    app->Press({VK_CONTROL, VK_F2});
    ASSERT_TRUE(WaitForClientHeight(133));
    EXPECT_EQ(Label(), "Windows XP Icons color scheme");
}

TEST_F(ChartsAndPicking, ClicksOnTheChartPickCellsLinesAndFillersAsShown) {
    app->Press({VK_F3});
    ASSERT_TRUE(WaitForClientHeight(181));
    ASSERT_NE(ShownChart(), nullptr);

    EXPECT_TRUE(ClickAtRest(OnChart(2 * 8 + 4, 4)));  // row 0, column 2
    ASSERT_TRUE(WaitForHtml("#FFFF99"));
    EXPECT_EQ(app->Red(), "255");
    EXPECT_EQ(app->Green(), "255");
    EXPECT_EQ(app->Blue(), "153");

    EXPECT_TRUE(ClickAtRest(OnChart(8, 4)));  // the line between columns 0 and 1
    ASSERT_TRUE(WaitForHtml("#000000")) << app->Html();

    EXPECT_TRUE(ClickAtRest(OnChart(7 * 8 + 4, 2 * 8 + 4)));  // row 2, column 7
    ASSERT_TRUE(WaitForHtml("#CCFF66")) << app->Html();
    EXPECT_TRUE(ClickAtRest(OnChart(10 * 8 + 4, 13 * 8 + 4)));  // a filler after the last colour
    ASSERT_TRUE(WaitForHtml("#000000")) << app->Html();
    EXPECT_EQ(ClientHeight(), 181) << "picking changes no chart";
}

TEST_F(ChartsAndPicking, ScreenPickTakesAPixelOfAnotherWindowAndBringsTheMainWindowBack) {
    ColourWindow other(RGB(0x12, 0x9A, 0xFE), RECT{200, 200, 320, 300});
    const POINT target{260, 250};
    ASSERT_TRUE(WaitUntil(
        [&] {
            PumpMessages();
            return ReadPixel(target) == RGB(0x12, 0x9A, 0xFE);
        },
        kReact));

    app->Press({VK_CONTROL, 'S'});
    ASSERT_NE(WaitFor([&] { return PickingWindow(); }, kReact), nullptr);
    EXPECT_FALSE(IsVisible(Main()));
    EXPECT_EQ(ReadPixel(target), RGB(0x12, 0x9A, 0xFE)) << "the screen looks as before";

    ASSERT_TRUE(ClickAtRest(target)) << "the pointer did not stay on the target";
    ASSERT_TRUE(WaitForHtml("#129AFE"));
    EXPECT_EQ(app->Red(), "18");
    EXPECT_EQ(app->Green(), "154");
    EXPECT_EQ(app->Blue(), "254");
    EXPECT_TRUE(WaitUntil([&] { return PickingWindow() == nullptr; }, kReact));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(Main()) && IsForeground(Main()); }, kReact));
}

TEST_F(ChartsAndPicking, KeysAndTheRightButtonDoNothingWhilePicking) {
    ColourWindow other(RGB(0x40, 0x80, 0xC0), RECT{200, 200, 320, 300});
    const POINT target{260, 250};
    ASSERT_TRUE(WaitUntil(
        [&] {
            PumpMessages();
            return ReadPixel(target) == RGB(0x40, 0x80, 0xC0);
        },
        kReact));
    const std::string before = app->Html();

    app->Press({VK_CONTROL, 'S'});
    HWND picking = WaitFor([&] { return PickingWindow(); }, kReact);
    ASSERT_NE(picking, nullptr);
    PressKey(VK_ESCAPE);
    Click(target, MouseButton::Right);
    PressKey(VK_F1);
    // Nothing to wait for: give the program time to have handled them, then look.
    EXPECT_FALSE(WaitUntil([&] { return PickingWindow() == nullptr || app->Html() != before; }, 1s));

    Click(target);
    ASSERT_TRUE(WaitForHtml("#4080C0"));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(Main()); }, kReact));
}

TEST_F(ChartsAndPicking, AltF4EndsPickingWithoutAPickAndTheMainWindowStaysHidden) {
    const std::string before = app->Html();
    app->Press({VK_CONTROL, 'S'});
    HWND picking = WaitFor([&] { return PickingWindow(); }, kReact);
    ASSERT_NE(picking, nullptr);
    BringToForeground(picking);
    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(WaitUntil([&] { return PickingWindow() == nullptr; }, kReact));
    EXPECT_FALSE(IsVisible(Main()));
    EXPECT_EQ(app->Html(), before);
    EXPECT_TRUE(app->process().IsRunning());
}

}  // namespace
