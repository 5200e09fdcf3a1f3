#pragma once
// What the tests of this tier share: the framework's application object of a test process,
// set up by the first test that needs it and kept for the rest, as a program keeps its own;
// the move of a window to a monitor of another scale, as the system announces it; and the
// pixels of a bitmap.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "WindowFinder.h"
#include "framework/Application.h"

inline void InitializeTestApplication(const char* title = nullptr) {
    [[maybe_unused]] static const bool initialized = [title] {
        fw::Application().Initialize();
        if (title)
            fw::Application().SetTitle(title);
        return true;
    }();
}

// WM_DPICHANGED with the rectangle the system suggests, by default the one the window has.
inline void MoveToScale(HWND window, int dpi, RECT suggested) {
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}
inline void MoveToScale(HWND window, int dpi) {
    MoveToScale(window, dpi, harness::WindowRect(window));
}

// The bitmap's pixels as 0xRRGGBB, row 0 at the top.
inline std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (std::uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}
