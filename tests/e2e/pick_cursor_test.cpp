// The picking cursor over the charts, as the pointer shows it: the program's own
// cursor from cur.dat, or the standard arrow when the file is nowhere to be found.
#include <gtest/gtest.h>

#include <string>

#include "HuetroveWindow.h"

using namespace e2e;

namespace {

constexpr char kSettingsKey[] = "Software\\Brightquill\\Huetrove";

HWND VisibleChart(HWND main) {
    for (HWND image : ChildWindows(main, "fwImage"))
        if (IsVisible(image))
            return image;
    return nullptr;
}

// The cursor the pointer shows once it rests over a screen point. Handles of another
// process's cursors cannot be looked into from here, but the same cursor keeps its handle.
HCURSOR CursorAt(POINT point) {
    MoveMouse(point);
    MoveMouse({point.x + 1, point.y});  // the program sets its cursor as the pointer moves
    HCURSOR last = nullptr;
    WaitUntil(
        [&] {
            CURSORINFO info{};
            info.cbSize = sizeof info;
            GetCursorInfo(&info);
            bool steady = info.hCursor && info.hCursor == last;
            last = info.hCursor;
            return steady;
        },
        3s, 200ms);
    return last;
}

HCURSOR CursorOverChart(const Huetrove& app) {
    HWND chart = VisibleChart(app.main());
    return chart ? CursorAt(CenterOf(WindowRect(chart))) : nullptr;
}

// The window's own background, between the swatch and the chart: the arrow.
HCURSOR CursorOverBackground(const Huetrove& app) {
    return CursorAt(ClientToScreenPoint(app.main(), POINT{5, 50}));
}

class PickCursor : public testing::Test {
protected:
    static void SetUpTestSuite() { DeleteRegistryKey(kSettingsKey); }
};

}  // namespace

TEST_F(PickCursor, ChartsShowTheProgramsOwnCursor) {
    Huetrove app(ProgramDirectory());
    BringToForeground(app.main());
    const HCURSOR arrow = CursorOverBackground(app);
    const HCURSOR overChart = CursorOverChart(app);
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(overChart, nullptr);
    EXPECT_NE(overChart, arrow);
}

TEST_F(PickCursor, WithoutTheFileTheChartsShowTheArrow) {
    ScratchDirectory lone;
    ASSERT_TRUE(lone.CopyIn(ProgramPath(), "Huetrove.exe"));
    Huetrove app(lone.Path(), lone.Path() + "\\Huetrove.exe");
    BringToForeground(app.main());
    const HCURSOR arrow = CursorOverBackground(app);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(CursorOverChart(app), arrow);
}
