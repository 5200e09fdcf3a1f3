// The window's height and the caption's place for every chart, for none, and for an
// identifier that matches nothing (the panel keeps the height it had).
#include <gtest/gtest.h>

#include "palettes/PaletteCatalogue.h"
#include "palettes/PaletteLayout.h"

using palettes::FitWindow;
using palettes::kPanelTop;

namespace {

struct Row {
    const char* identifier;
    int clientHeight;
    int captionTop;
};

// Client height and caption top for each chart, as the window must show them.
constexpr Row kTable[] = {
    {"palWeb", 245, 234}, {"palWebHue", 181, 170}, {"palWebSafe", 181, 170}, {"palWindows", 197, 186},
    {"palMac", 197, 186}, {"palVB2", 197, 186},    {"palAdobe", 133, 122},   {"schXP", 133, 122},
    {"palVB1", 237, 226}, {"schWXP", 101, 90},
};

}  // namespace

TEST(PaletteLayout, EachChartGivesItsClientHeightAndCaptionTop) {
    for (const Row& row : kTable) {
        const palettes::PaletteEntry* entry = palettes::FindPaletteEntry(row.identifier);
        ASSERT_NE(entry, nullptr) << row.identifier;
        const auto fit = FitWindow(false, kPanelTop, entry->imageHeight);
        EXPECT_EQ(fit.clientHeight, row.clientHeight) << row.identifier;
        ASSERT_TRUE(fit.captionTop.has_value()) << row.identifier;
        EXPECT_EQ(*fit.captionTop, row.captionTop) << row.identifier;
        // The 11-pixel caption ends exactly at the bottom of the client area.
        EXPECT_EQ(*fit.captionTop + 11, fit.clientHeight) << row.identifier;
    }
}

TEST(PaletteLayout, NothingOnShowCollapsesToThePanelsTopAndLeavesTheCaption) {
    const auto fit = FitWindow(true, kPanelTop, 177);
    EXPECT_EQ(fit.clientHeight, 56);
    EXPECT_FALSE(fit.captionTop.has_value());
}

TEST(PaletteLayout, AnUnknownIdentifierSizesFromTheCurrentPanelHeight) {
    // Right after start-up the panel still has its designed height.
    const auto fit = FitWindow(false, kPanelTop, palettes::kDesignedPanelHeight);
    EXPECT_EQ(fit.clientHeight, 253);
    EXPECT_EQ(fit.captionTop, 242);
}
