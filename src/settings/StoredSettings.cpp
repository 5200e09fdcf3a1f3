#include "settings/StoredSettings.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace settings {

std::string_view RelativeKeyPath(std::string_view path) {
    // RegCreateKeyExA rejects a sub-key name that begins with a backslash,
    // while the store writes its paths rooted ("\Software\..."). Both name the
    // same key below HKEY_CURRENT_USER, so the root marker is dropped.
    const auto first = path.find_first_not_of('\\');
    return first == std::string_view::npos ? std::string_view{} : path.substr(first);
}

namespace {

// The stored actions and their combo texts; anything else is "None" both ways.
struct ActionText {
    std::string_view action, text;
};
constexpr ActionText kActionTexts[] = {{kActionScreen, kActionTextScreen}, {kActionPicker, kActionTextPicker}};

}  // namespace

std::string_view ActionToComboText(std::string_view action) {
    const auto* found = std::ranges::find(kActionTexts, action, &ActionText::action);
    return found == std::end(kActionTexts) ? kActionTextNone : found->text;
}

std::string_view ComboTextToAction(std::string_view text) {
    const auto* found = std::ranges::find(kActionTexts, text, &ActionText::text);
    return found == std::end(kActionTexts) ? kActionNone : found->action;
}

ChartRoute RouteActivePS(std::string_view activePS) {
    return activePS.find("pal") != std::string_view::npos ? ChartRoute::ShowPalette : ChartRoute::ShowScheme;
}

Point DefaultWindowPosition(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int dpi) {
    return {screenWidth - outerWidth - fw::ScaleToDpi(kDefaultRightGap, dpi),
            screenHeight - outerHeight - fw::ScaleToDpi(kDefaultBottomGap, dpi)};
}

bool CaptionWithinReach(const Rect& window, std::span<const Rect> workAreas, int dpi) {
    if (window.left >= window.right || window.top >= window.bottom)
        return false;
    // Widened: stored edges may be any 32-bit numbers.
    const long long rows = std::min<long long>(fw::ScaleToDpi(kGrabRows, dpi), 0LL + window.bottom - window.top);
    const long long columns = fw::ScaleToDpi(kGrabColumns, dpi);
    const long long stripBottom = 0LL + window.top + rows;
    for (const Rect& area : workAreas) {
        if (window.top < area.top || stripBottom > area.bottom)
            continue;
        const long long overlap = 0LL + std::min(window.right, area.right) - std::max(window.left, area.left);
        if (overlap >= columns)
            return true;
    }
    return false;
}

Point KeepOrFallbackPosition(Point stored,
                             int outerWidth,
                             int outerHeight,
                             std::span<const Rect> workAreas,
                             Point fallback,
                             int dpi) {
    // Widen before adding: a stored edge may be any 32-bit number.
    const auto clamp = [](long long v) { return static_cast<int>(v > INT_MAX ? INT_MAX : v); };
    const Rect window{stored.x, stored.y, clamp(static_cast<long long>(stored.x) + outerWidth),
                      clamp(static_cast<long long>(stored.y) + outerHeight)};
    return CaptionWithinReach(window, workAreas, dpi) ? stored : fallback;
}

}  // namespace settings
