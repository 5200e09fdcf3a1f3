// The double-click action box of the Preferences dialog as the user sees it: its hint
// shows wherever the pointer rests on it, the text field included, and it is drawn
// with a flat frame rather than a sunken 3-D edge.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FirstRunTest.h"

using namespace harness;

namespace {

constexpr char kHint[] = "What Huetrove should do when you double-click on the tray icon";

class PreferencesCombo : public FirstRunTest {
protected:
    void SetUp() override {
        FirstRunTest::SetUp();
        dialog = app->OpenPreferences();
        ASSERT_TRUE(dialog);
        combo = FindChildWindow(dialog, "ComboBox");
        ASSERT_TRUE(combo);
    }
    void TearDown() override {
        MoveMouse({10, 10});
        FirstRunTest::TearDown();
    }

    // The tooltip at a point, the pointer coming from outside the dialog each time.
    std::optional<std::string> HintAt(POINT point) { return HoverForTooltip(point, {5, 5}, app->ProcessId()); }

    HWND dialog = nullptr;
    HWND combo = nullptr;
};

TEST_F(PreferencesCombo, TheHintShowsOverTheTextFieldAndTheButton) {
    HWND field = FindChildWindow(combo, "Edit");
    ASSERT_TRUE(field);
    EXPECT_EQ(HintAt(CenterOf(WindowRect(field))), kHint) << "over the text field";
    const RECT box = WindowRect(combo);
    const RECT fieldRect = WindowRect(field);
    EXPECT_EQ(HintAt({(fieldRect.right + box.right) / 2, (box.top + fieldRect.bottom) / 2}), kHint)
        << "over the drop-down button";
}

TEST_F(PreferencesCombo, TheFrameIsOneFlatLine) {
    HWND fieldWindow = FindChildWindow(combo, "Edit");
    ASSERT_TRUE(fieldWindow);
    const RECT field = ClientRectOnScreen(combo);
    const LONG buttonLeft = WindowRect(fieldWindow).right;  // the drop-down button is right of the text
    const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF inside = GetSysColor(COLOR_WINDOW);
    MoveMouse({5, 5});  // no hot-tracking from the pointer
    for (LONG x = field.left; x < field.right; ++x) {
        EXPECT_EQ(ReadPixel({x, field.top}), line) << "top line at x " << x - field.left;
        EXPECT_EQ(ReadPixel({x, field.bottom - 1}), line) << "bottom line at x " << x - field.left;
        if (x > field.left && x < buttonLeft) {
            EXPECT_EQ(ReadPixel({x, field.top + 1}), inside) << "under the top line at x " << x - field.left;
            EXPECT_EQ(ReadPixel({x, field.bottom - 2}), inside) << "over the bottom line at x " << x - field.left;
        }
    }
    for (LONG y = field.top; y < field.bottom; ++y) {
        EXPECT_EQ(ReadPixel({field.left, y}), line) << "left line at y " << y - field.top;
        EXPECT_EQ(ReadPixel({field.right - 1, y}), line) << "right line at y " << y - field.top;
        if (y > field.top && y < field.bottom - 1) {
            EXPECT_EQ(ReadPixel({field.left + 1, y}), inside) << "inside the left line at y " << y - field.top;
        }
    }
}

}  // namespace
