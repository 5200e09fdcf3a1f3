// The picking cursor over the charts, as the pointer shows it: the program's own
// cursor from cur.dat, or the standard arrow when the file is nowhere to be found.
#include <gtest/gtest.h>

#include <string>

#include "FirstRunTest.h"

using namespace harness;

namespace {

HCURSOR CursorOverChart(const Huetrove& app) {
    HWND chart = app.ShownChart();
    return chart ? CursorAt(CenterOf(WindowRect(chart))) : nullptr;
}

// The window's own background, between the swatch and the chart: the arrow.
HCURSOR CursorOverBackground(const Huetrove& app) {
    return CursorAt(ClientToScreenPoint(app.main(), POINT{5, 50}));
}

using PickCursor = HuetroveTest;

}  // namespace

TEST_F(PickCursor, ChartsShowTheProgramsOwnCursor) {
    BringToForeground(Start().main());
    const HCURSOR arrow = CursorOverBackground(*app);
    const HCURSOR overChart = CursorOverChart(*app);
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(overChart, nullptr);
    EXPECT_NE(overChart, arrow);
}

TEST_F(PickCursor, WithoutTheFileTheChartsShowTheArrow) {
    LoneProgram lone;
    ASSERT_TRUE(lone.copied);
    Huetrove copy(lone.dir.Path(), lone.exe);  // ends before its folder goes
    BringToForeground(copy.main());
    const HCURSOR arrow = CursorOverBackground(copy);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(CursorOverChart(copy), arrow);
}
