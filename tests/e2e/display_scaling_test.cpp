// The program on a scaled display, run once per scale (HUETROVE_DPI says which): the
// window keeps its design scaled to the display, the charts stay crisp cells at a
// whole-pixel pitch, every pick reads the pixel really under the pointer, and the
// About and Preferences windows show their texts whole.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ChartPixels.h"
#include "FirstRunTest.h"
#include "framework/DpiScale.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartCellColors.h"
#include "palettes/ChartLayout.h"

using namespace harness;

namespace {

constexpr Duration kReact = 10s;

int SessionDpi() {
    const char* dpi = std::getenv("HUETROVE_DPI");
    return dpi ? std::atoi(dpi) : fw::kDesignDpi;
}

// Every pixel of this window has its own colour, made from its screen position, so a
// pick that is one pixel off shows.
COLORREF PatternAt(POINT screen) {
    return RGB(screen.x & 0xFF, screen.y & 0xFF, 0x5A);
}

class DisplayScaling : public FirstRunTest {
protected:
    void SetUp() override {
        dpi = ScreenDpi();
        screenSuffix = "-" + std::to_string(dpi) + "dpi";
        ASSERT_EQ(dpi, SessionDpi()) << "the session runs at another scale than the test was meant for";
        FirstRunTest::SetUp();
    }

    int Scaled(int value) const { return fw::ScaleToDpi(value, dpi); }
    // The client size the window must have with `entry` on show.
    SIZE ExpectedClientSize(const palettes::ChartEntry& entry) const {
        const palettes::ChartFrame frame = palettes::FrameForDpi(dpi);
        const int chartHeight = palettes::ChartImageSize(entry, dpi).height;
        return {frame.clientWidth, palettes::FitWindow(false, frame.panelTop, chartHeight, dpi).clientHeight};
    }
    bool HasClientSize(SIZE size) const {
        const SIZE now = ClientSize(app->main());
        return now.cx == size.cx && now.cy == size.cy;
    }
    bool WaitForClientSize(SIZE size) const {
        return WaitUntil([&] { return HasClientSize(size); }, kReact);
    }
    // A window and its controls have painted once its face colour shows in the corner
    // and no control is still the solid black of a window that has not drawn yet
    // (text covers far less of a control than that).
    static bool Painted(HWND window) {
        const RECT client = ClientRectOnScreen(window);
        if (ReadPixel(POINT{client.left + 2, client.bottom - 3}) != GetSysColor(COLOR_BTNFACE))
            return false;
        HDC screen = GetDC(nullptr);
        bool painted = true;
        for (HWND child : ChildWindows(window)) {
            if (!IsVisible(child))
                continue;
            const RECT r = WindowRect(child);
            int black = 0, all = 0;
            for (int y = r.top; y < r.bottom; y += 2) {
                for (int x = r.left; x < r.right; x += 2, ++all)
                    black += GetPixel(screen, x, y) == RGB(0, 0, 0);
            }
            if (all > 0 && black * 10 > all * 6)
                painted = false;
        }
        ReleaseDC(nullptr, screen);
        return painted;
    }
    // Every control lies inside the window's client area, and buttons and check boxes
    // have room for their texts in the dialog font at this scale. A screenshot of the
    // window is kept for a person to look at.
    void ExpectWholeTexts(HWND window, const std::string& name) const {
        const RECT client = ClientRectOnScreen(window);
        EXPECT_TRUE(WaitUntil([&] { return Painted(window); }, kReact)) << "the window did not finish painting";
        SaveScreenshot(WindowRect(window), "display-scaling-" + std::to_string(dpi) + "dpi-" + name + ".bmp");
        HDC dc = GetDC(nullptr);
        HFONT font = CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
        HGDIOBJ old = SelectObject(dc, font);
        int controls = 0;
        for (HWND child : ChildWindows(window)) {
            if (!IsVisible(child) || GetParent(child) != window)
                continue;
            ++controls;
            const RECT r = WindowRect(child);
            const std::string text = WindowText(child);
            SCOPED_TRACE(name + ": " + ClassName(child) + " \"" + text + "\"");
            EXPECT_GE(r.left, client.left);
            EXPECT_GE(r.top, client.top);
            EXPECT_LE(r.right, client.right);
            EXPECT_LE(r.bottom, client.bottom);
            if (ClassName(child) != "Button" || text.empty())
                continue;
            std::string shown = text;
            std::erase(shown, '&');
            SIZE extent{};
            GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
            const bool checkBox = (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
            const int room = (r.right - r.left) - (checkBox ? Scaled(13 + 4) : Scaled(4));
            EXPECT_LE(extent.cx, room) << "the text is cut off";
            EXPECT_GE(r.bottom - r.top, extent.cy) << "the text is cut off at the bottom";
        }
        EXPECT_GT(controls, 3);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
    }

    int dpi = fw::kDesignDpi;
};

TEST_F(DisplayScaling, ChartsFitTheWindowAtTheScaleAndStayCrisp) {
    struct Step {
        const char* identifier;
        std::vector<WORD> keys;  // none: on show from the start
    };
    for (const Step& step : {Step{"palWeb", {}}, Step{"schWXP", {VK_CONTROL, VK_F1}}}) {
        SCOPED_TRACE(step.identifier);
        const palettes::ChartEntry* entry = palettes::FindChart(step.identifier);
        ASSERT_NE(entry, nullptr);
        const SIZE want = ExpectedClientSize(*entry);
        if (!step.keys.empty())
            app->PressUntil("a chart key shows its chart", {step.keys[0], step.keys[1]},
                            [&] { return HasClientSize(want); });
        ASSERT_TRUE(WaitForClientSize(want)) << "client " << ClientSize(app->main()).cx << " x "
                                             << ClientSize(app->main()).cy << ", want " << want.cx << " x " << want.cy;

        HWND chart = app->ShownChart();
        ASSERT_NE(chart, nullptr);
        const palettes::ChartSize size = palettes::ChartImageSize(*entry, dpi);
        EXPECT_EQ(ClientSize(chart).cx, size.width);
        EXPECT_EQ(ClientSize(chart).cy, size.height);
        const palettes::ChartFrame frame = palettes::FrameForDpi(dpi);
        POINT chartTopLeft = ClientToScreenPoint(chart, POINT{0, 0});
        ScreenToClient(app->main(), &chartTopLeft);
        EXPECT_EQ(chartTopLeft.x, frame.panelLeft + 1);
        EXPECT_EQ(chartTopLeft.y, frame.panelTop + 1);

        // The caption sits one pixel under the panel and is not cut off by the window's edge.
        const RECT caption = WindowRect(app->ChartLabel());
        const POINT captionTopLeft = TopLeftIn(app->main(), app->ChartLabel());
        EXPECT_EQ(captionTopLeft.y, frame.panelTop + size.height + 1);
        EXPECT_LE(captionTopLeft.y + (caption.bottom - caption.top), want.cy);

        // Every pixel of the chart's drawing but the last row, which the panel cuts off.
        const oracle::PaletteImage image = oracle::DrawnChart(*entry, dpi);
        EXPECT_EQ(WrongScreenPixels(ClientToScreenPoint(chart, POINT{0, 0}), {image.width, image.height - 1},
                                    [&](int x, int y) { return image.At(x, y); }, kReact),
                  0);
    }
}

TEST_F(DisplayScaling, ClicksNearTheChartsFarCornerPickThatCell) {
    const palettes::ChartEntry* web = palettes::FindChart("palWeb");
    ASSERT_TRUE(WaitForClientSize(ExpectedClientSize(*web)));
    HWND chart = app->ShownChart();
    ASSERT_NE(chart, nullptr);
    const int pitch = palettes::ChartPitch(web->group, dpi);
    const std::vector<std::uint32_t> cells = palettes::ChartCellColors(*web);
    auto cellColour = [&](int row, int column) {
        const std::uint32_t rgb = cells[static_cast<size_t>(row * web->columns + column)];
        return RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF);
    };
    struct Cell {
        int row, column;
    };
    // The far corner of the chart: the last full row, and the last colour of the last row.
    for (const Cell cell : {Cell{20, 15}, Cell{21, 4}, Cell{19, 14}}) {
        SCOPED_TRACE(std::to_string(cell.row) + ", " + std::to_string(cell.column));
        const COLORREF want = cellColour(cell.row, cell.column);
        ASSERT_NE(want, RGB(0, 0, 0)) << "pick cells whose colour is not the lines'";
        // The cell's last pixel before the grid lines: one pixel further is a line.
        const int x = cell.column * pitch + pitch - 1;
        const int y = cell.row * pitch + pitch - 1;
        EXPECT_TRUE(app->PickAt(ClientToScreenPoint(chart, POINT{x, y}), HtmlOf(want))) << app->Html();
        // And the line right after it picks black.
        EXPECT_TRUE(app->PickAt(ClientToScreenPoint(chart, POINT{x + 1, y}), "#000000")) << app->Html();
    }
}

TEST_F(DisplayScaling, AScreenPickFarFromTheOriginReadsThePixelUnderTheHotSpot) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // Far from the origin, clear of the taskbar and of the main window in the corner
    // (this thread paints nothing while the program picks, so nothing may cover it).
    const RECT where{width - 560, height - 260, width - 400, height - 140};
    ColourWindow pattern(where, PatternAt);
    const POINT target{where.right - 43, where.bottom - 29};
    ASSERT_TRUE(pattern.WaitShown(target));

    HWND picking = app->StartPicking();
    ASSERT_NE(picking, nullptr);
    const RECT covered = WindowRect(picking);
    EXPECT_EQ(covered.right - covered.left, width) << "the picking window covers the whole monitor";
    EXPECT_EQ(covered.bottom - covered.top, height);

    EXPECT_TRUE(app->PickAt(target, HtmlOf(PatternAt(target)))) << app->Html();
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(app->main()); }, kReact));
}

TEST_F(DisplayScaling, AboutAndPreferencesShowTheirTextsWhole) {
    HWND about = app->OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(ClientSize(about).cx, Scaled(327));
    EXPECT_EQ(ClientSize(about).cy, Scaled(233));
    ExpectWholeTexts(about, "about");
    PressUntil("Escape closes the About window", about, {VK_ESCAPE}, [&] { return !IsVisible(about); });
    ASSERT_FALSE(IsVisible(about));

    HWND preferences = app->OpenPreferences();
    ASSERT_NE(preferences, nullptr);
    ExpectWholeTexts(preferences, "preferences");
    PressUntil("Escape closes Preferences", preferences, {VK_ESCAPE}, [&] { return !IsVisible(preferences); });
    EXPECT_FALSE(IsVisible(preferences));
}

}  // namespace
