#pragma once
// What the settings store remembers and the rules it applies, kept apart from
// the registry calls so they can be checked without Windows.
#include <span>
#include <string>
#include <string_view>

#include "framework/DpiScale.h"

namespace settings {

// Key paths under HKEY_CURRENT_USER, written as the store names them: the
// leading backslash means "relative to the root" (see RelativeKeyPath).
inline constexpr char kSettingsKeyPath[] = "\\Software\\Brightquill\\Huetrove";
inline constexpr char kRunKeyPath[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Huetrove";

// Value names under the settings key.
inline constexpr char kWindowTop[] = "WindowTop";
inline constexpr char kWindowLeft[] = "WindowLeft";
inline constexpr char kActivePS[] = "ActivePS";
inline constexpr char kMinimizeClose[] = "MinimizeClose";
inline constexpr char kSystemStartup[] = "SystemStartup";
inline constexpr char kDblClickAction[] = "DblClickAction";

// Chart shown when no settings exist yet.
inline constexpr char kDefaultActivePS[] = "palWeb";

// The stored DblClickAction values and the Preferences combo texts for them.
inline constexpr char kActionNone[] = "None";
inline constexpr char kActionScreen[] = "Screen";
inline constexpr char kActionPicker[] = "Picker";
inline constexpr char kActionTextNone[] = "None";
inline constexpr char kActionTextScreen[] = "Select color from the screen";
inline constexpr char kActionTextPicker[] = "Select color from the picker";

// First-run placement: gaps between the window and the primary display's
// right and bottom edges, at 96 DPI; they grow with the scale, as the taskbar does.
inline constexpr int kDefaultRightGap = 15;
inline constexpr int kDefaultBottomGap = 35;

// The key path without its leading backslashes, the form the registry's
// create and open calls take.
std::string_view RelativeKeyPath(std::string_view path);

// DblClickAction -> combo text; anything but "Screen" or "Picker" shows "None".
std::string_view ActionToComboText(std::string_view action);
// Combo text -> DblClickAction; only the exact item texts map, all else is "None".
std::string_view ComboTextToAction(std::string_view text);

enum class ChartRoute { ShowPalette, ShowScheme };
// A stored ActivePS containing "pal" (letter case counts) names a palette;
// everything else, the empty text included, goes to the scheme display.
ChartRoute RouteActivePS(std::string_view activePS);

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Screen rectangle with exclusive right and bottom edges, as Windows uses them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a window of the given outer size goes on a first run; all in pixels of a
// display at `dpi`.
Point DefaultWindowPosition(int screenWidth,
                            int screenHeight,
                            int outerWidth,
                            int outerHeight,
                            int dpi = fw::kDesignDpi);

// The part of the caption bar a user must be able to grab to move the window: its
// top rows over this many columns, at 96 DPI.
inline constexpr int kGrabRows = 8;
inline constexpr int kGrabColumns = 32;

// True when the window's top kGrabRows rows lie within one work area over at least
// kGrabColumns columns (both scaled to `dpi`): the window can then be dragged back.
bool CaptionWithinReach(const Rect& window, std::span<const Rect> workAreas, int dpi = fw::kDesignDpi);

// A stored position is kept when the window's caption bar is within reach there;
// otherwise the window goes to `fallback`.
Point KeepOrFallbackPosition(Point stored,
                             int outerWidth,
                             int outerHeight,
                             std::span<const Rect> workAreas,
                             Point fallback,
                             int dpi = fw::kDesignDpi);

}  // namespace settings
