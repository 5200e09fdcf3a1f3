#include "palettes/PaletteLayout.h"

namespace palettes {

namespace {
constexpr int kMarginBelowPanel = 12;
}

ChartFit FitWindow(bool nothingAsked, int panelTop, int panelHeight) {
    if (nothingAsked)
        return {panelTop, std::nullopt};
    return {panelTop + panelHeight + kMarginBelowPanel, panelTop + panelHeight + 1};
}

}  // namespace palettes
