// The charts and picking, driven from outside as a user would: function keys show and
// hide charts, the screen shows exactly the chart's pixels, clicks on a chart pick
// what the screen shows, and Ctrl+S picks any pixel of the screen.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ChartPixels.h"
#include "FirstRunTest.h"
#include "palettes/PaletteCatalogue.h"

using namespace harness;

namespace {

constexpr Duration kReact = 10s;

class ChartsAndPicking : public FirstRunTest {
protected:
    HWND Main() const { return app->main(); }
    int ClientHeight() const { return ClientSize(Main()).cy; }
    bool WaitForClientHeight(int height) const {
        return WaitUntil([&] { return ClientHeight() == height; }, kReact);
    }
    HWND ShownChart() const { return app->ShownChart(); }
    HWND PickingWindow() const { return app->PickingWindow(); }
    POINT OnChart(int x, int y) const { return ClientToScreenPoint(ShownChart(), POINT{x, y}); }
    // A click that picks: done once the HTML box shows `html` (a second pick of the same
    // point changes nothing).
    bool PickAt(POINT point, const std::string& html) const {
        return ClickUntil("a click picks " + html, point, [&] { return app->Html() == html; });
    }
    // A key chord that shows or hides a chart: done once another chart, or none, is on
    // show (two charts may have the same height).
    bool ToggleChart(const std::vector<WORD>& keys) const {
        return ToggleUntilChanged(
            "a chart key shows or hides its chart",
            [&] {
                if (!BringToForeground(Main()))
                    return false;
                PressKeys(keys);
                return true;
            },
            [&] { return std::make_pair(ShownChart(), ClientHeight()); });
    }
    // Ctrl+S until the picking window covers the screen.
    HWND StartPicking() const {
        app->PressUntil("Ctrl+S starts picking", {VK_CONTROL, 'S'}, [&] { return PickingWindow() != nullptr; });
        return PickingWindow();
    }

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
        // palWeb is on show at first: its key hides it before showing it.
        if (key.identifier == "palWeb") {
            ASSERT_TRUE(ToggleChart(key.keys));
            ASSERT_TRUE(WaitForClientHeight(56));
        }
        ASSERT_TRUE(ToggleChart(key.keys));
        ASSERT_TRUE(WaitForClientHeight(key.clientHeight));
        EXPECT_EQ(app->ChartCaption(), std::string(entry->caption));

        // What the screen shows in the chart: every pixel of the image but its last
        // row, which the panel cuts off.
        HWND chart = ShownChart();
        ASSERT_NE(chart, nullptr);
        const oracle::PaletteImage image = oracle::DrawnChart(*entry);
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

        ASSERT_TRUE(ToggleChart(key.keys));
        ASSERT_TRUE(WaitForClientHeight(56)) << "the same key hides it";
        EXPECT_EQ(ShownChart(), nullptr);
        EXPECT_EQ(app->ChartCaption(), std::string(entry->caption)) << "the label keeps the last name";
        ASSERT_TRUE(ToggleChart(key.keys));
        ASSERT_TRUE(WaitForClientHeight(key.clientHeight)) << "and shows it again";
    }
}

TEST_F(ChartsAndPicking, SchemeKeyMovesFromAPalette) {
    app->PressUntil("F4 shows the Windows colours", {VK_F4}, [&] { return ClientHeight() == 197; });
    ASSERT_TRUE(WaitForClientHeight(197));
    app->PressUntil("Ctrl+F2 shows the XP icon colours", {VK_CONTROL, VK_F2}, [&] { return ClientHeight() == 133; });
    ASSERT_TRUE(WaitForClientHeight(133));
    EXPECT_EQ(app->ChartCaption(), "Windows XP Icons color scheme");
}

TEST_F(ChartsAndPicking, ClicksOnTheChartPickCellsLinesAndFillersAsShown) {
    app->PressUntil("F3 shows the web safe colours", {VK_F3}, [&] { return ClientHeight() == 181; });
    ASSERT_TRUE(WaitForClientHeight(181));
    ASSERT_NE(ShownChart(), nullptr);

    PickAt(OnChart(2 * 8 + 4, 4), "#FFFF99");  // row 0, column 2
    ASSERT_EQ(app->Html(), "#FFFF99");
    EXPECT_EQ(app->Red(), "255");
    EXPECT_EQ(app->Green(), "255");
    EXPECT_EQ(app->Blue(), "153");

    PickAt(OnChart(8, 4), "#000000");  // the line between columns 0 and 1
    ASSERT_EQ(app->Html(), "#000000");

    PickAt(OnChart(7 * 8 + 4, 2 * 8 + 4), "#CCFF66");  // row 2, column 7
    ASSERT_EQ(app->Html(), "#CCFF66");
    PickAt(OnChart(10 * 8 + 4, 13 * 8 + 4), "#000000");  // a filler after the last colour
    ASSERT_EQ(app->Html(), "#000000");
    EXPECT_EQ(ClientHeight(), 181) << "picking changes no chart";
}

TEST_F(ChartsAndPicking, ScreenPickTakesAPixelOfAnotherWindowAndBringsTheMainWindowBack) {
    ColourWindow other(RECT{200, 200, 320, 300}, RGB(0x12, 0x9A, 0xFE));
    const POINT target{260, 250};
    ASSERT_TRUE(other.WaitShown(target));

    ASSERT_NE(StartPicking(), nullptr);
    EXPECT_FALSE(IsVisible(Main()));
    EXPECT_EQ(ReadPixel(target), RGB(0x12, 0x9A, 0xFE)) << "the screen looks as before";

    PickAt(target, "#129AFE");
    ASSERT_EQ(app->Html(), "#129AFE");
    EXPECT_EQ(app->Red(), "18");
    EXPECT_EQ(app->Green(), "154");
    EXPECT_EQ(app->Blue(), "254");
    EXPECT_TRUE(WaitUntil([&] { return PickingWindow() == nullptr; }, kReact));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(Main()) && IsForeground(Main()); }, kReact));
}

TEST_F(ChartsAndPicking, KeysAndTheRightButtonDoNothingWhilePicking) {
    ColourWindow other(RECT{200, 200, 320, 300}, RGB(0x40, 0x80, 0xC0));
    const POINT target{260, 250};
    ASSERT_TRUE(other.WaitShown(target));
    const std::string before = app->Html();

    HWND picking = StartPicking();
    ASSERT_NE(picking, nullptr);
    PressKey(VK_ESCAPE);
    Click(target, MouseButton::Right);
    PressKey(VK_F1);
    // Nothing to wait for: give the program time to have handled them, then look.
    EXPECT_FALSE(WaitUntil([&] { return PickingWindow() == nullptr || app->Html() != before; }, 1s));

    PickAt(target, "#4080C0");
    ASSERT_EQ(app->Html(), "#4080C0");
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(Main()); }, kReact));
}

TEST_F(ChartsAndPicking, AltF4EndsPickingWithoutAPickAndTheMainWindowStaysHidden) {
    const std::string before = app->Html();
    HWND picking = StartPicking();
    ASSERT_NE(picking, nullptr);
    PressUntil("Alt+F4 ends picking", picking, {VK_MENU, VK_F4}, [&] { return PickingWindow() == nullptr; });
    ASSERT_EQ(PickingWindow(), nullptr);
    EXPECT_FALSE(IsVisible(Main()));
    EXPECT_EQ(app->Html(), before);
    EXPECT_TRUE(app->process().IsRunning());
}

}  // namespace
