// Showing, hiding and sizing the charts on the main window, and the check marks of
// their two submenus. Each test builds its own main window as the description makes
// it, before any settings are read, so the tests start alike whatever the shared
// prefix holds.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "ChartPixels.h"
#include "Harness.h"
#include "TestApplication.h"
#include "chart_fits.h"
#include "framework/Application.h"
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartLayout.h"

namespace {

bool IsScheme(const std::string& identifier) {
    return identifier.rfind("sch", 0) == 0;
}

class ChartDisplay : public testing::Test {
protected:
    static void SetUpTestSuite() { InitializeTestApplication(); }

    void SetUp() override { form = std::make_unique<TMainForm>(nullptr); }

    void Show(const std::string& identifier) {
        IsScheme(identifier) ? form->ShowScheme(identifier) : form->ShowPalette(identifier);
    }

    std::set<std::string> VisibleImages() const {
        std::set<std::string> visible;
        for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
            fw::TImage* image = form->ChartImage(entry.identifier);
            // The window's own style must agree with the framework's flag.
            const bool styled = (GetWindowLongPtrA(image->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
            EXPECT_EQ(image->Visible(), styled) << entry.identifier;
            if (image->Visible())
                visible.insert(std::string(entry.identifier));
        }
        return visible;
    }

    // The checked chart items, as the items say and as the menu bar shows them.
    std::set<std::string> CheckedItems() const {
        std::set<std::string> checked;
        HMENU bar = form->MainMenu1->Handle();
        for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
            fw::TMenuItem* item = form->ChartMenuItem(entry.identifier);
            const UINT state = GetMenuState(bar, item->Command(), MF_BYCOMMAND);
            EXPECT_NE(state, static_cast<UINT>(-1)) << entry.identifier;
            EXPECT_EQ(item->Checked(), (state & MF_CHECKED) != 0) << entry.identifier;
            if (item->Checked())
                checked.insert(item->Name);
        }
        return checked;
    }

    std::string ItemOf(const std::string& identifier) const { return "M" + identifier; }

    int ClientHeight() const { return harness::ClientSize(form->Handle()).cy; }

    std::unique_ptr<TMainForm> form;
};

TEST_F(ChartDisplay, EachEntryShowsAloneWithItsSizeCaptionAndCheckMark) {
    for (const expected::ChartFit& s : expected::kChartFits) {
        SCOPED_TRACE(s.identifier);
        // Start from an entry of the other group, whose check mark must go.
        Show(IsScheme(s.identifier) ? "palWindows" : "schXP");
        const RECT before = harness::WindowRect(form->Handle());
        Show(s.identifier);
        EXPECT_EQ(VisibleImages(), std::set<std::string>{s.identifier});
        EXPECT_EQ(CheckedItems(), std::set<std::string>{ItemOf(s.identifier)});
        EXPECT_EQ(ClientHeight(), s.clientHeight);
        EXPECT_EQ(form->PaletteName->Top(), s.captionTop);
        EXPECT_EQ(form->PaletteName->Caption(), s.caption);
        // The window keeps its top-left corner.
        const RECT after = harness::WindowRect(form->Handle());
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);

        // The panel is as high as the image, which starts one pixel down: the
        // image's bottom frame line falls outside the panel.
        fw::TImage* image = form->ChartImage(s.identifier);
        EXPECT_EQ(form->PalettePanel->Height(), image->Height());
        EXPECT_EQ(image->Width(), 129);
        EXPECT_EQ(image->Left(), 1);
        EXPECT_EQ(image->Top(), 1);
        EXPECT_EQ(form->PalettePanel->Width(), 131);
    }
}

TEST_F(ChartDisplay, EmptyIdentifierHidesEverythingAndCollapsesTheWindow) {
    for (const expected::ChartFit& s : expected::kChartFits) {
        SCOPED_TRACE(s.identifier);
        Show(s.identifier);
        IsScheme(s.identifier) ? form->ShowScheme("") : form->ShowPalette("");
        EXPECT_TRUE(VisibleImages().empty());
        // Called directly (as the settings loader does), the routine leaves its own
        // submenu's mark alone; through the menu the item has cleared itself first.
        EXPECT_EQ(CheckedItems(), std::set<std::string>{ItemOf(s.identifier)});
        EXPECT_EQ(ClientHeight(), 56);
        // The label stays where it was and keeps naming the entry last shown.
        EXPECT_EQ(form->PaletteName->Top(), s.captionTop);
        EXPECT_EQ(form->PaletteName->Caption(), s.caption);
    }
}

TEST_F(ChartDisplay, UnknownIdentifierRightAfterCreationLeavesAnEmptyDesignSizedPanel) {
    form->ShowPalette("palweb");
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWeb"});  // the one disagreement
    EXPECT_EQ(ClientHeight(), 253);
    EXPECT_EQ(form->PaletteName->Top(), 242);
    EXPECT_EQ(form->PaletteName->Caption(), "PaletteName");

    form = std::make_unique<TMainForm>(nullptr);
    form->ShowScheme("schxp");
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_TRUE(CheckedItems().empty());
    EXPECT_EQ(ClientHeight(), 253);
    EXPECT_EQ(form->PaletteName->Top(), 242);
}

TEST_F(ChartDisplay, WrongCaseOrOtherGroupShowsNothingAndKeepsTheOwnSubmenu) {
    form->ShowPalette("palMac");
    form->ShowPalette("PALMAC");
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalMac"});
    EXPECT_EQ(ClientHeight(), 197);
    EXPECT_EQ(form->PaletteName->Top(), 186);
    EXPECT_EQ(form->PaletteName->Caption(), "Macintosh sytem colors");

    form->ShowScheme("schXP");
    form->ShowPalette("schXP");  // a scheme is no palette
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_TRUE(CheckedItems().empty());
    EXPECT_EQ(ClientHeight(), 133);
    EXPECT_EQ(form->PaletteName->Caption(), "Windows XP Icons color scheme");

    form->ShowPalette("palVB1");
    form->ShowScheme("palVB1");  // nor a palette a scheme
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_TRUE(CheckedItems().empty());
    EXPECT_EQ(ClientHeight(), 237);
    EXPECT_EQ(form->PaletteName->Top(), 226);

    form->ShowScheme("schWXP");
    form->ShowScheme("SchWXP");
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MschWXP"});
    EXPECT_EQ(ClientHeight(), 101);
}

TEST_F(ChartDisplay, ChoosingItemsTogglesAndMovesBetweenSubmenus) {
    fw::TMenuItem* web = form->ChartMenuItem("palWeb");
    form->ShowPalette("palWeb");
    web->Click();  // the checked item: hides
    EXPECT_TRUE(VisibleImages().empty());
    EXPECT_TRUE(CheckedItems().empty());
    EXPECT_EQ(ClientHeight(), 56);
    web->Click();  // and again: shows
    EXPECT_EQ(VisibleImages(), std::set<std::string>{"palWeb"});
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWeb"});
    EXPECT_EQ(ClientHeight(), 245);

    form->ChartMenuItem("palWindows")->Click();
    form->ChartMenuItem("schXP")->Click();
    EXPECT_EQ(VisibleImages(), std::set<std::string>{"schXP"});
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MschXP"});
    EXPECT_EQ(ClientHeight(), 133);
    EXPECT_EQ(form->PaletteName->Caption(), "Windows XP Icons color scheme");

    form->ChartMenuItem("schWXP")->Click();
    form->ChartMenuItem("palWebSafe")->Click();
    EXPECT_EQ(VisibleImages(), std::set<std::string>{"palWebSafe"});
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWebSafe"});
    EXPECT_EQ(form->PaletteName->Caption(), "Web safe colors");
}

TEST_F(ChartDisplay, RadioRuleStaysInsideEachSubmenu) {
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWeb"});
    form->ChartMenuItem("palWindows")->SetChecked(true);
    EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWindows"});
    form->ChartMenuItem("schXP")->SetChecked(true);
    EXPECT_EQ(CheckedItems(), (std::set<std::string>{"MpalWindows", "MschXP"}));
    form->ChartMenuItem("schWXP")->SetChecked(true);
    EXPECT_EQ(CheckedItems(), (std::set<std::string>{"MpalWindows", "MschWXP"}));
    form->ChartMenuItem("palVB2")->SetChecked(true);
    EXPECT_EQ(CheckedItems(), (std::set<std::string>{"MpalVB2", "MschWXP"}));
}

}  // namespace

TEST_F(ChartDisplay, MovingToAnotherScaleDrawsTheChartsAtItsPitchAndFitsTheWindow) {
    const int start = form->Dpi();
    Show("palWindows");
    const RECT before = harness::WindowRect(form->Handle());
    for (int dpi : {144, 120, 192}) {
        SCOPED_TRACE(dpi);
        MoveToScale(form->Handle(), dpi);
        const palettes::ChartEntry& entry = *palettes::FindChart("palWindows");
        const palettes::ChartSize size = palettes::ChartImageSize(entry, dpi);
        const palettes::ChartFrame frame = palettes::FrameForDpi(dpi);
        fw::TImage* image = form->ChartImage("palWindows");
        EXPECT_EQ(image->Width(), size.width);
        EXPECT_EQ(image->Height(), size.height);
        EXPECT_EQ(image->Left(), 1);
        EXPECT_EQ(image->Top(), 1);
        const oracle::PaletteImage drawn = oracle::DrawnChart(entry, dpi);
        EXPECT_TRUE(PixelsOf(image->Bitmap(), size.width, size.height) == drawn.pixels) << "crisp cells at the new pitch";
        EXPECT_EQ(form->PalettePanel->Left(), frame.panelLeft);
        EXPECT_EQ(form->PalettePanel->Top(), frame.panelTop);
        EXPECT_EQ(form->PalettePanel->Width(), frame.panelWidth);
        EXPECT_EQ(form->PalettePanel->Height(), size.height);
        const palettes::ChartFit fit = palettes::FitWindow(false, frame.panelTop, size.height, dpi);
        EXPECT_EQ(form->ClientWidth(), frame.clientWidth);
        EXPECT_EQ(ClientHeight(), fit.clientHeight);
        EXPECT_EQ(form->PaletteName->Top(), fit.captionTop);
        const RECT now = harness::WindowRect(form->Handle());
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.top, before.top);
        EXPECT_EQ(VisibleImages(), std::set<std::string>{"palWindows"});
        EXPECT_EQ(CheckedItems(), std::set<std::string>{"MpalWindows"});
    }
    MoveToScale(form->Handle(), start);
    EXPECT_EQ(ClientHeight(), palettes::FitWindow(false, palettes::FrameForDpi(start).panelTop,
                                                  palettes::ChartImageSize(*palettes::FindChart("palWindows"), start).height, start)
                                  .clientHeight)
        << "back where it started, with no rounding left over";
}

TEST_F(ChartDisplay, ACollapsedWindowStaysCollapsedAtAnotherScale) {
    Show("palWeb");
    Show("");
    MoveToScale(form->Handle(), 144);
    EXPECT_EQ(ClientHeight(), palettes::FrameForDpi(144).panelTop);
    EXPECT_TRUE(VisibleImages().empty());
    Show("palWeb");
    EXPECT_EQ(ClientHeight(), palettes::FitWindow(false, palettes::FrameForDpi(144).panelTop,
                                                  palettes::ChartImageSize(*palettes::FindChart("palWeb"), 144).height, 144)
                                  .clientHeight);
}

TEST_F(ChartDisplay, AnUnknownChartKeepsTheDesignedPanelHeightScaled) {
    form->ShowPalette("palweb");
    MoveToScale(form->Handle(), 192);
    EXPECT_EQ(form->PalettePanel->Height(), MulDiv(185, 192, 96));
    EXPECT_EQ(ClientHeight(), MulDiv(56, 192, 96) + MulDiv(185, 192, 96) + MulDiv(12, 192, 96));
}
