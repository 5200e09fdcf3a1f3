// The charts and picking, driven from outside as a user would: function keys show and
// hide charts, the screen shows exactly the chart's pixels, clicks on a chart pick
// what the screen shows, and Ctrl+S picks any pixel of the screen.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ChartPixels.h"
#include "FirstRunTest.h"
#include "palettes/ChartCatalogue.h"

using namespace harness;

namespace {

constexpr Duration kReact = 10s;

class ChartsAndPicking : public FirstRunTest {
protected:
    int ClientHeight() const { return ClientSize(app->main()).cy; }
    bool WaitForClientHeight(int height) const {
        return WaitUntil([&] { return ClientHeight() == height; }, kReact);
    }
    POINT OnChart(int x, int y) const { return ClientToScreenPoint(app->ShownChart(), POINT{x, y}); }
    // A key chord that shows or hides a chart: done once another chart, or none, is on
    // show (two charts may have the same height).
    bool ToggleChart(const std::vector<WORD>& keys) const {
        return ToggleUntilChanged(
            "a chart key shows or hides its chart",
            [&] {
                if (!BringToForeground(app->main()))
                    return false;
                PressKeys(keys);
                return true;
            },
            [&] { return std::make_pair(app->ShownChart(), ClientHeight()); });
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
        const palettes::ChartEntry* entry = palettes::FindChart(key.identifier);
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
        HWND chart = app->ShownChart();
        ASSERT_NE(chart, nullptr);
        const oracle::PaletteImage image = oracle::DrawnChart(*entry);
        const int wrong = WrongScreenPixels(ClientToScreenPoint(chart, POINT{0, 0}), {image.width, image.height - 1},
                                            [&](int x, int y) { return image.At(x, y); }, kReact);
        EXPECT_EQ(wrong, 0) << wrong << " pixels differ";

        ASSERT_TRUE(ToggleChart(key.keys));
        ASSERT_TRUE(WaitForClientHeight(56)) << "the same key hides it";
        EXPECT_EQ(app->ShownChart(), nullptr);
        EXPECT_EQ(app->ChartCaption(), std::string(entry->caption)) << "the label keeps the last name";
        ASSERT_TRUE(ToggleChart(key.keys));
        ASSERT_TRUE(WaitForClientHeight(key.clientHeight)) << "and shows it again";
    }
}

TEST_F(ChartsAndPicking, SchemeKeyMovesFromAPalette) {
    ASSERT_TRUE(app->PressUntil("F4 shows the Windows colours", {VK_F4}, [&] { return ClientHeight() == 197; }));
    ASSERT_TRUE(app->PressUntil("Ctrl+F2 shows the XP icon colours", {VK_CONTROL, VK_F2},
                                [&] { return ClientHeight() == 133; }));
    EXPECT_EQ(app->ChartCaption(), "Windows XP Icons color scheme");
}

TEST_F(ChartsAndPicking, ClicksOnTheChartPickCellsLinesAndFillersAsShown) {
    ASSERT_TRUE(app->PressUntil("F3 shows the web safe colours", {VK_F3}, [&] { return ClientHeight() == 181; }));
    ASSERT_NE(app->ShownChart(), nullptr);

    ASSERT_TRUE(app->PickAt(OnChart(2 * 8 + 4, 4), "#FFFF99")) << app->Html();  // row 0, column 2
    EXPECT_EQ(app->Red(), "255");
    EXPECT_EQ(app->Green(), "255");
    EXPECT_EQ(app->Blue(), "153");

    ASSERT_TRUE(app->PickAt(OnChart(8, 4), "#000000")) << app->Html();  // the line between columns 0 and 1

    ASSERT_TRUE(app->PickAt(OnChart(7 * 8 + 4, 2 * 8 + 4), "#CCFF66")) << app->Html();  // row 2, column 7
    ASSERT_TRUE(app->PickAt(OnChart(10 * 8 + 4, 13 * 8 + 4), "#000000")) << app->Html();  // a filler past the colours
    EXPECT_EQ(ClientHeight(), 181) << "picking changes no chart";
}

TEST_F(ChartsAndPicking, ScreenPickTakesAPixelOfAnotherWindowAndBringsTheMainWindowBack) {
    ColourWindow other(RECT{200, 200, 320, 300}, RGB(0x12, 0x9A, 0xFE));
    const POINT target{260, 250};
    ASSERT_TRUE(other.WaitShown(target));

    ASSERT_NE(app->StartPicking(), nullptr);
    EXPECT_FALSE(IsVisible(app->main()));
    EXPECT_EQ(ReadPixel(target), RGB(0x12, 0x9A, 0xFE)) << "the screen looks as before";

    ASSERT_TRUE(app->PickAt(target, "#129AFE")) << app->Html();
    EXPECT_EQ(app->Red(), "18");
    EXPECT_EQ(app->Green(), "154");
    EXPECT_EQ(app->Blue(), "254");
    EXPECT_TRUE(WaitUntil([&] { return app->PickingWindow() == nullptr; }, kReact));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(app->main()) && IsForeground(app->main()); }, kReact));
}

TEST_F(ChartsAndPicking, KeysAndTheRightButtonDoNothingWhilePicking) {
    ColourWindow other(RECT{200, 200, 320, 300}, RGB(0x40, 0x80, 0xC0));
    const POINT target{260, 250};
    ASSERT_TRUE(other.WaitShown(target));
    const std::string before = app->Html();

    HWND picking = app->StartPicking();
    ASSERT_NE(picking, nullptr);
    PressKey(VK_ESCAPE);
    Click(target, MouseButton::Right);
    PressKey(VK_F1);
    // Nothing to wait for: give the program time to have handled them, then look.
    EXPECT_FALSE(WaitUntil([&] { return app->PickingWindow() == nullptr || app->Html() != before; }, 1s));

    ASSERT_TRUE(app->PickAt(target, "#4080C0")) << app->Html();
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(app->main()); }, kReact));
}

TEST_F(ChartsAndPicking, AltF4EndsPickingWithoutAPickAndTheMainWindowStaysHidden) {
    const std::string before = app->Html();
    HWND picking = app->StartPicking();
    ASSERT_NE(picking, nullptr);
    PressUntil("Alt+F4 ends picking", picking, {VK_MENU, VK_F4}, [&] { return app->PickingWindow() == nullptr; });
    ASSERT_EQ(app->PickingWindow(), nullptr);
    EXPECT_FALSE(IsVisible(app->main()));
    EXPECT_EQ(app->Html(), before);
    EXPECT_TRUE(app->process().IsRunning());
}

}  // namespace
