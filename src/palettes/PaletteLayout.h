#pragma once
// How the main window fits the chart on show: the panel takes the image's height, the
// client area ends 12 pixels below the panel, and the caption sits one pixel under it.
// With nothing on show the client area ends where the panel begins. Portable.
#include <optional>

namespace palettes {

inline constexpr int kPanelTop = 56;
inline constexpr int kDesignedPanelHeight = 185;

struct ChartFit {
    int clientHeight;
    std::optional<int> captionTop;  // unset: the caption stays where it is
};

// `panelHeight` is the panel's height after the chart (if any) was shown; `nothingAsked`
// is true for the empty identifier, which collapses the window.
ChartFit FitWindow(bool nothingAsked, int panelTop, int panelHeight);

}  // namespace palettes
