// The picking cursor over the charts, as the pointer shows it: the program's own
// cursor from cur.dat, or the standard arrow when the file is nowhere to be found.
#include <gtest/gtest.h>

#include <string>

#include "FirstRunTest.h"

using namespace harness;

namespace {

using PickCursor = HuetroveTest;

}  // namespace

TEST_F(PickCursor, ChartsShowTheProgramsOwnCursor) {
    BringToForeground(Start().main());
    const HCURSOR arrow = app->CursorOverBackground();
    const HCURSOR overChart = app->CursorOverChart();
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(overChart, nullptr);
    EXPECT_NE(overChart, arrow);
}

TEST_F(PickCursor, WithoutTheFileTheChartsShowTheArrow) {
    LoneProgram lone;
    ASSERT_TRUE(lone.copied);
    Huetrove copy(lone.dir.Path(), lone.exe);  // ends before its folder goes
    BringToForeground(copy.main());
    const HCURSOR arrow = copy.CursorOverBackground();
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(copy.CursorOverChart(), arrow);
}
