#include "palettes/ChartLayout.h"

#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"

namespace palettes {

namespace {
constexpr int kMarginBelowPanel = 12;
constexpr int kDesignedClientWidth = 150;
constexpr int kPanelBevels = 2;
constexpr int kMarginRightOfPanel = kDesignedClientWidth - kPanelLeft - kImageWidth - kPanelBevels;
}  // namespace

ChartFit FitWindow(bool nothingAsked, int panelTop, int panelHeight, int dpi) {
    if (nothingAsked)
        return {panelTop, std::nullopt};
    return {panelTop + panelHeight + fw::ScaleToDpi(kMarginBelowPanel, dpi), panelTop + panelHeight + 1};
}

ChartFrame FrameForDpi(int dpi) {
    ChartFrame frame{};
    frame.panelLeft = fw::ScaleToDpi(kPanelLeft, dpi);
    frame.panelTop = fw::ScaleToDpi(kPanelTop, dpi);
    // Every chart is as wide as the first one: the schemes have twice the pitch and half the columns.
    frame.panelWidth = ChartImageSize(ChartCatalogue().front(), dpi).width + kPanelBevels;
    frame.designedPanelHeight = fw::ScaleToDpi(kDesignedPanelHeight, dpi);
    frame.clientWidth = frame.panelLeft + frame.panelWidth + fw::ScaleToDpi(kMarginRightOfPanel, dpi);
    return frame;
}

}  // namespace palettes
