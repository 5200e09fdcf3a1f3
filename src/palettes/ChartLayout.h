#pragma once
// How the main window fits the chart on show: the panel takes the image's height, the
// client area ends 12 pixels (at 96 DPI) below the panel, and the caption sits one
// pixel under it. With nothing on show the client area ends where the panel begins.
// At other DPIs the margins scale, while the chart's width follows its whole-pixel
// pitch, and the panel and the window width follow the chart. Portable.
#include <optional>

#include "framework/DpiScale.h"

namespace palettes {

inline constexpr int kPanelLeft = 10;
inline constexpr int kPanelTop = 56;
inline constexpr int kDesignedPanelHeight = 185;

struct ChartFit {
    int clientHeight;
    std::optional<int> captionTop;  // unset: the caption stays where it is
};

// `panelHeight` is the panel's height after the chart (if any) was shown; `nothingAsked`
// is true for the empty identifier, which collapses the window.
ChartFit FitWindow(bool nothingAsked, int panelTop, int panelHeight, int dpi = fw::kDesignDpi);

// The parts of the main window that follow the charts' pitch, at one DPI.
struct ChartFrame {
    int panelLeft;
    int panelTop;
    int panelWidth;  // the image's width and one bevel pixel on each side
    int designedPanelHeight;
    int clientWidth;  // the panel with the design's margin to its right
};

ChartFrame FrameForDpi(int dpi);

}  // namespace palettes
