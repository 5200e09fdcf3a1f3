#pragma once
// A window of the test's own process painted with known pixels: "another program" whose
// colours a pick must read.
#include <windows.h>

#include <functional>

#include "Wait.h"

namespace harness {

class ColourWindow {
public:
    // The colour of each pixel, by its screen position.
    using Pattern = std::function<COLORREF(POINT screenPoint)>;

    // A borderless, always visible tool window over `where`, in one colour or a pattern.
    ColourWindow(RECT where, COLORREF colour);
    ColourWindow(RECT where, Pattern pattern);
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Handle() const { return window_; }
    // Lets this thread paint until the screen shows the window's colour at `screenPoint`.
    bool WaitShown(POINT screenPoint, Duration timeout = 10s) const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;

    RECT where_;
    Pattern pattern_;
    HWND window_ = nullptr;
};

}  // namespace harness
