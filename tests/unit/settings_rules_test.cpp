#include "settings/StoredSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace settings {
namespace {

TEST(SettingsKeys, RelativeKeyPathDropsOnlyTheRootMarker) {
    EXPECT_EQ(RelativeKeyPath(kSettingsKeyPath), "Software\\Brightquill\\Huetrove");
    EXPECT_EQ(RelativeKeyPath(kRunKeyPath), "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(RelativeKeyPath("Software\\X"), "Software\\X");
    EXPECT_EQ(RelativeKeyPath("\\\\Software\\X\\"), "Software\\X\\");
    EXPECT_EQ(RelativeKeyPath("\\"), "");
    EXPECT_EQ(RelativeKeyPath(""), "");
}

TEST(DblClickActionMapping, StoredValueToComboText) {
    EXPECT_EQ(ActionToComboText("None"), "None");
    EXPECT_EQ(ActionToComboText("Screen"), "Select color from the screen");
    EXPECT_EQ(ActionToComboText("Picker"), "Select color from the picker");
    // Only the exact spelling counts; everything else shows as "None".
    for (const char* other : {"", "screen", "SCREEN", "picker", "Screen ", " Picker", "Select color from the screen"})
        EXPECT_EQ(ActionToComboText(other), "None") << '"' << other << '"';
}

TEST(DblClickActionMapping, ComboTextToStoredValue) {
    EXPECT_EQ(ComboTextToAction("None"), "None");
    EXPECT_EQ(ComboTextToAction("Select color from the screen"), "Screen");
    EXPECT_EQ(ComboTextToAction("Select color from the picker"), "Picker");
    // The combo's text field is editable: a hand-typed "Screen" is no item text.
    for (const char* typed : {"Screen", "Picker", "", "select color from the screen", "Select Color From The Picker",
                              "Select color from the screen ", "Select color from the"})
        EXPECT_EQ(ComboTextToAction(typed), "None") << '"' << typed << '"';
}

TEST(DblClickActionMapping, RoundTripKeepsTheThreeValues) {
    for (const char* action : {"None", "Screen", "Picker"})
        EXPECT_EQ(ComboTextToAction(ActionToComboText(action)), action);
}

TEST(ActivePSRouting, ContainsLowerCasePal) {
    for (const char* palette :
         {"palWeb", "palWebHue", "palWebSafe", "palWindows", "palMac", "palAdobe", "palVB1", "palVB2", "xpalx", "pal"})
        EXPECT_EQ(RouteActivePS(palette), ChartRoute::ShowPalette) << palette;
}

TEST(ActivePSRouting, EverythingElseIsAScheme) {
    for (const char* other : {"schWXP", "schXP", "", "PalWeb", "PALWEB", "pa", "p al", "schPAL"})
        EXPECT_EQ(RouteActivePS(other), ChartRoute::ShowScheme) << '"' << other << '"';
}

TEST(DefaultPosition, SitsAboveTheBottomRightCorner) {
    // A window of 158 x 322 outer pixels on a 1280 x 1024 primary display.
    const Point p = DefaultWindowPosition(1280, 1024, 158, 322);
    EXPECT_EQ(p, (Point{1107, 667}));
    // Right edge 15 px inside the display, bottom edge 35 px above it.
    EXPECT_EQ(1280 - (p.x + 158), 15);
    EXPECT_EQ(1024 - (p.y + 322), 35);
}

TEST(DefaultPosition, GapsGrowWithTheDisplaysScale) {
    // 150 %: 22.5 and 52.5 pixels round up, as the system rounds.
    const Point p = DefaultWindowPosition(2560, 1440, 240, 480, 144);
    EXPECT_EQ(2560 - (p.x + 240), 23);
    EXPECT_EQ(1440 - (p.y + 480), 53);
    EXPECT_EQ(DefaultWindowPosition(3840, 2160, 300, 600, 192), (Point{3840 - 300 - 30, 2160 - 600 - 70}));
}

TEST(DefaultPosition, WindowLargerThanTheScreenGoesNegative) {
    EXPECT_EQ(DefaultWindowPosition(100, 100, 200, 300), (Point{-115, -235}));
}

class CaptionReach : public ::testing::Test {
protected:
    // Work areas: a primary display 1280 x 1024 with a 30-pixel taskbar at the bottom,
    // and a second 1024 x 768 display to its left.
    const std::vector<Rect> areas{{0, 0, 1280, 994}, {-1024, 0, 0, 768}};
    static Rect Window(int left, int top) { return {left, top, left + 100, top + 200}; }
};

TEST_F(CaptionReach, AWindowOnADisplayOrAcrossTwoIsInReach) {
    EXPECT_TRUE(CaptionWithinReach(Window(500, 400), areas));
    EXPECT_TRUE(CaptionWithinReach(Window(-600, 100), areas));
    EXPECT_TRUE(CaptionWithinReach(Window(-50, 100), areas));  // 50 columns on each display
    EXPECT_TRUE(CaptionWithinReach(Window(500, 900), areas)) << "only the caption's top rows need to show";
}

TEST_F(CaptionReach, ThirtyTwoColumnsAndEightRowsAreTheLeast) {
    EXPECT_TRUE(CaptionWithinReach(Window(1248, 400), areas));
    EXPECT_FALSE(CaptionWithinReach(Window(1249, 400), areas));
    EXPECT_FALSE(CaptionWithinReach(Window(1279, 400), areas)) << "a one-pixel strip cannot be grabbed";
    EXPECT_TRUE(CaptionWithinReach(Window(-1024 - 68, 100), areas));
    EXPECT_FALSE(CaptionWithinReach(Window(-1024 - 69, 100), areas));
    EXPECT_TRUE(CaptionWithinReach(Window(500, 986), areas));
    EXPECT_FALSE(CaptionWithinReach(Window(500, 987), areas)) << "the caption's top rows under the taskbar";
    EXPECT_FALSE(CaptionWithinReach(Window(-600, 761), areas));
    // The caption bar above the top edge is out of reach even when the rest shows.
    EXPECT_FALSE(CaptionWithinReach(Window(500, -1), areas));
    EXPECT_FALSE(CaptionWithinReach(Window(500, -199), areas));
}

TEST_F(CaptionReach, TheLeastGrowsWithTheScale) {
    // 150 %: 48 columns and 12 rows.
    EXPECT_TRUE(CaptionWithinReach(Window(1232, 400), areas, 144));
    EXPECT_FALSE(CaptionWithinReach(Window(1233, 400), areas, 144));
    EXPECT_TRUE(CaptionWithinReach(Window(500, 982), areas, 144));
    EXPECT_FALSE(CaptionWithinReach(Window(500, 983), areas, 144));
}

TEST_F(CaptionReach, NoDisplaysOrEmptyWindow) {
    EXPECT_FALSE(CaptionWithinReach(Window(500, 400), {}));
    EXPECT_FALSE(CaptionWithinReach(Rect{500, 400, 500, 600}, areas));
    EXPECT_FALSE(CaptionWithinReach(Rect{500, 400, 600, 400}, areas));
}

TEST_F(CaptionReach, StoredPositionKeptOrReplaced) {
    const Point fallback{1107, 667};
    EXPECT_EQ(KeepOrFallbackPosition({1248, 400}, 100, 200, areas, fallback), (Point{1248, 400}));
    EXPECT_EQ(KeepOrFallbackPosition({-700, 50}, 100, 200, areas, fallback), (Point{-700, 50}));
    EXPECT_EQ(KeepOrFallbackPosition({1279, 400}, 100, 200, areas, fallback), fallback);
    EXPECT_EQ(KeepOrFallbackPosition({500, -300}, 158, 286, areas, fallback), fallback);
    EXPECT_EQ(KeepOrFallbackPosition({1280, 400}, 100, 200, areas, fallback), fallback);
    EXPECT_EQ(KeepOrFallbackPosition({-32000, -32000}, 100, 200, areas, fallback), fallback);
    // Edges near the ends of the 32-bit range must not overflow into view.
    EXPECT_EQ(KeepOrFallbackPosition({INT_MAX - 10, 400}, 100, 200, areas, fallback), fallback);
    EXPECT_EQ(KeepOrFallbackPosition({INT_MIN, INT_MIN}, 100, 200, areas, fallback), fallback);
    EXPECT_EQ(KeepOrFallbackPosition({1233, 400}, 100, 200, areas, fallback, 144), fallback);
}

}  // namespace
}  // namespace settings
