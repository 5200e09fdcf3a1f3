// The window's height and the caption's place for every chart, for none, and for an
// identifier that matches nothing (the panel keeps the height it had).
#include <gtest/gtest.h>

#include "ChartPixels.h"
#include "chart_fits.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartCellColors.h"
#include "palettes/ChartLayout.h"

#include <string>

namespace palettes {
namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192, 240, 288};

TEST(ChartLayout, EachChartGivesItsClientHeightAndCaptionTop) {
    for (const expected::ChartFit& row : expected::kChartFits) {
        const ChartEntry* entry = FindChart(row.identifier);
        ASSERT_NE(entry, nullptr) << row.identifier;
        const auto fit = FitWindow(false, kPanelTop, entry->imageHeight);
        EXPECT_EQ(fit.clientHeight, row.clientHeight) << row.identifier;
        ASSERT_TRUE(fit.captionTop.has_value()) << row.identifier;
        EXPECT_EQ(*fit.captionTop, row.captionTop) << row.identifier;
        // The 11-pixel caption ends exactly at the bottom of the client area.
        EXPECT_EQ(*fit.captionTop + 11, fit.clientHeight) << row.identifier;
    }
}

TEST(ChartLayout, NothingOnShowCollapsesToThePanelsTopAndLeavesTheCaption) {
    const auto fit = FitWindow(true, kPanelTop, 177);
    EXPECT_EQ(fit.clientHeight, 56);
    EXPECT_FALSE(fit.captionTop.has_value());
}

TEST(ChartLayout, AnUnknownIdentifierSizesFromTheCurrentPanelHeight) {
    // Right after start-up the panel still has its designed height.
    const auto fit = FitWindow(false, kPanelTop, kDesignedPanelHeight);
    EXPECT_EQ(fit.clientHeight, 253);
    EXPECT_EQ(fit.captionTop, 242);
}

// At other DPIs the charts keep whole-pixel cells: the pitch, not a stretch, grows.
TEST(ScaledCharts, PitchIsAWholeNumberOfPixelsChosenForTheScale) {
    EXPECT_EQ(ChartPitch(ChartGroup::Palette, 96), 8);
    EXPECT_EQ(ChartPitch(ChartGroup::Palette, 120), 10);
    EXPECT_EQ(ChartPitch(ChartGroup::Palette, 144), 12);
    EXPECT_EQ(ChartPitch(ChartGroup::Palette, 192), 16);
    EXPECT_EQ(ChartPitch(ChartGroup::Palette, 110), 9);
    for (int dpi : kDpis)
        EXPECT_EQ(ChartPitch(ChartGroup::Scheme, dpi), 2 * ChartPitch(ChartGroup::Palette, dpi)) << dpi;
}

TEST(ScaledCharts, EveryChartIsFlatCellsBetweenOnePixelLinesAtEveryDpi) {
    for (int dpi : kDpis) {
        for (const ChartEntry& entry : ChartCatalogue()) {
            SCOPED_TRACE(std::string(entry.identifier) + " at " + std::to_string(dpi));
            const int pitch = ChartPitch(entry.group, dpi);
            const oracle::PaletteImage image = oracle::DrawnChart(entry, dpi);
            ASSERT_EQ(image.width, entry.columns * pitch + 1);
            ASSERT_EQ(image.height, entry.rows * pitch + 1);
            ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
            // The same cells' colours as at 96 DPI, at this pitch.
            const std::vector<std::uint32_t> cells = ChartCellColors(entry);
            int wrong = 0;
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x)
                    wrong += image.At(x, y) != oracle::RulePixel(cells, entry.columns, pitch, x, y);
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(ScaledCharts, TheWindowFollowsThePitchAsAt96Dpi) {
    const ChartFrame design = FrameForDpi(96);
    EXPECT_EQ(design.panelLeft, 10);
    EXPECT_EQ(design.panelTop, 56);
    EXPECT_EQ(design.panelWidth, 131);
    EXPECT_EQ(design.designedPanelHeight, 185);
    EXPECT_EQ(design.clientWidth, 150);

    // 150 %: pitch 12, a 193-pixel chart in a 195-pixel panel.
    const ChartFrame f = FrameForDpi(144);
    EXPECT_EQ(f.panelLeft, 15);
    EXPECT_EQ(f.panelTop, 84);
    EXPECT_EQ(f.panelWidth, 195);
    EXPECT_EQ(f.clientWidth, 15 + 195 + 14);  // the 9-pixel margin at 150 % (13.5 rounds up)
    const auto size = ChartImageSize(*FindChart("palWeb"), 144);
    EXPECT_EQ(size.width, 193);
    EXPECT_EQ(size.height, 22 * 12 + 1);
    const auto fit = FitWindow(false, f.panelTop, size.height, 144);
    EXPECT_EQ(fit.clientHeight, 84 + 265 + 18);
    EXPECT_EQ(fit.captionTop, 84 + 265 + 1);
    EXPECT_EQ(FitWindow(true, f.panelTop, size.height, 144).clientHeight, 84);

    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        const ChartFrame frame = FrameForDpi(dpi);
        for (const ChartEntry& entry : ChartCatalogue())
            EXPECT_EQ(ChartImageSize(entry, dpi).width + 2, frame.panelWidth) << entry.identifier;
        // The swatch (108 + 34 at 96 DPI) stays inside the client area.
        EXPECT_LE(fw::ScaleToDpi(108 + 34, dpi), frame.clientWidth);
        EXPECT_GE(frame.clientWidth - frame.panelLeft - frame.panelWidth, fw::ScaleToDpi(9, dpi) - 1);
    }
}

TEST(ChartDib, DrawnStraightIntoTheBitsEveryByteWrittenAndRowsPaddedWithZeros) {
    for (const ChartEntry& entry : ChartCatalogue()) {
        for (int dpi : {96, 120, 144, 192}) {
            SCOPED_TRACE(std::string(entry.identifier) + " at " + std::to_string(dpi));
            const std::vector<std::uint8_t> bits = oracle::DrawnDib(entry, dpi);
            EXPECT_TRUE(bits == oracle::DrawnDib(entry, dpi, 0x00)) << "a byte is left as it was";
            const ChartSize size = ChartImageSize(entry, dpi);
            const std::size_t stride = oracle::Stride24(size.width);
            for (std::size_t row = 0; row < static_cast<std::size_t>(size.height); ++row) {
                for (std::size_t pad = static_cast<std::size_t>(size.width) * 3; pad < stride; ++pad)
                    ASSERT_EQ(bits[row * stride + pad], 0) << "row " << row;
            }
        }
    }
}

}  // namespace
}  // namespace palettes
