#include "ColourWindow.h"

#include <vector>

#include "Screen.h"

namespace harness {

namespace {

constexpr char kClassName[] = "HarnessColourWindow";

}  // namespace

ColourWindow::ColourWindow(RECT where, COLORREF colour)
    : ColourWindow(where, [colour](POINT) { return colour; }) {}

ColourWindow::ColourWindow(RECT where, Pattern pattern) : where_(where), pattern_(std::move(pattern)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ColourWindow::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly for every window but the first
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP | WS_VISIBLE, where.left, where.top,
                              where.right - where.left, where.bottom - where.top, nullptr, nullptr, wc.hInstance, this);
    UpdateWindow(window_);
}

ColourWindow::~ColourWindow() {
    DestroyWindow(window_);
}

bool ColourWindow::WaitShown(POINT screenPoint, Duration timeout) const {
    return PumpUntil([&] { return ReadPixel(screenPoint) == pattern_(screenPoint); }, timeout);
}

LRESULT CALLBACK ColourWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    const auto* self = reinterpret_cast<const ColourWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND)
        return 1;  // WM_PAINT covers every pixel
    if (message == WM_PAINT && self) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        self->Paint(dc);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ColourWindow::Paint(HDC dc) const {
    const int width = where_.right - where_.left;
    const int height = where_.bottom - where_.top;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pattern_(POINT{where_.left + x, where_.top + y});
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace harness
