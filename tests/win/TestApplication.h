#pragma once
// What the tests of this tier share: the framework's application object of a test process,
// set up by the first test that needs it and kept for the rest, as a program keeps its own;
// and the move of a window to a monitor of another scale, as the system announces it.
#include <windows.h>

#include "framework/Application.h"

inline void InitializeTestApplication(const char* title = nullptr) {
    static const bool initialized = [title] {
        fw::Application().Initialize();
        if (title)
            fw::Application().SetTitle(title);
        return true;
    }();
    (void)initialized;
}

// WM_DPICHANGED with the rectangle the system suggests, by default the one the window has.
inline void MoveToScale(HWND window, int dpi, RECT suggested) {
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}
inline void MoveToScale(HWND window, int dpi) {
    RECT current{};
    GetWindowRect(window, &current);
    MoveToScale(window, dpi, current);
}
