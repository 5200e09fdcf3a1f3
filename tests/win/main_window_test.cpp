// The main window, built in this process and shown, told what Windows tells it and
// Wine does not: a move onto a monitor of another scale.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <memory>
#include <ostream>
#include <vector>

#include "Harness.h"
#include "TestApplication.h"
#include "main/Unit1.h"

namespace {

using Box = std::array<LONG, 4>;

Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The window on the screen and every control in its parent.
struct Layout {
    Box window;
    std::vector<Box> controls;
    bool operator==(const Layout&) const = default;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << testing::PrintToString(layout.window) << " " << testing::PrintToString(layout.controls);
}

Layout LayoutOf(HWND form) {
    Layout layout{BoxOf(e2e::WindowRect(form)), {}};
    for (HWND control : e2e::ChildWindows(form)) {
        RECT r = e2e::WindowRect(control);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        layout.controls.push_back(BoxOf(r));
    }
    return layout;
}

// Tells the window that it is now on a monitor of `dpi`, with the rectangle the system suggests there.
void MoveToScale(HWND form, int dpi, RECT suggested) {
    SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

class MainWindowMessages : public testing::Test {
protected:
    static void SetUpTestSuite() { InitializeTestApplication(); }

    void SetUp() override {
        form = std::make_unique<TMainForm>(nullptr);
        // As the program starts: a chart on show, and text in every box.
        form->ShowPalette("palWeb");
        form->ApplyPickedColor(0x336699);
        form->Show();
    }

    std::unique_ptr<TMainForm> form;
};

TEST_F(MainWindowMessages, AMoveToAnotherScaleTakesTheSuggestedRectangleAndComesBackExactly) {
    HWND window = form->Handle();
    const int start = form->Dpi();
    const int other = start * 3 / 2;
    const Layout first = LayoutOf(window);
    RECT here{};
    GetWindowRect(window, &here);

    // The layout at the other scale, grown from where the window is: the size the
    // system's suggestion has.
    MoveToScale(window, other, here);
    const Layout scaled = LayoutOf(window);
    ASSERT_NE(scaled.window, first.window);
    MoveToScale(window, start, here);
    ASSERT_EQ(LayoutOf(window), first);

    // Dragged onto the other monitor, up and to the left.
    RECT there{};
    SetRect(&there, 40, 30, 40 + scaled.window[2] - scaled.window[0], 30 + scaled.window[3] - scaled.window[1]);
    MoveToScale(window, other, there);
    EXPECT_EQ(form->Dpi(), other);
    const Layout moved = LayoutOf(window);
    EXPECT_EQ(moved.window, BoxOf(there)) << "the window takes the suggested rectangle";
    EXPECT_EQ(moved.controls, scaled.controls) << "the controls at the new scale";

    MoveToScale(window, start, here);
    EXPECT_EQ(LayoutOf(window), first) << "back exactly where it started";
}

}  // namespace
