#include "framework/WindowDpi.h"

#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

namespace fw {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Looked up once: the program also runs where these calls do not exist yet.
template <typename Fn>
Fn User32Function(const char* name) {
    return LibraryFunction<Fn>(GetModuleHandleW(L"user32.dll"), name);
}

const auto kGetDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
// DPI_AWARENESS_CONTEXT and its calls, from Windows 10 (1607) on.
using GetWindowDpiAwarenessContextFn = HANDLE(WINAPI*)(HWND);
using AreDpiAwarenessContextsEqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
const auto kGetWindowDpiAwarenessContext =
    User32Function<GetWindowDpiAwarenessContextFn>("GetWindowDpiAwarenessContext");
const auto kAreDpiAwarenessContextsEqual =
    User32Function<AreDpiAwarenessContextsEqualFn>("AreDpiAwarenessContextsEqual");
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const auto kAdjustWindowRectExForDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");

// The system DPI: the one the primary display had when the session began.
int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDesignDpi;
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    if (window && kGetDpiForWindow) {
        if (const UINT dpi = kGetDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

bool WindowDpiFollowsMonitor() {
    return kGetDpiForWindow != nullptr;
}

bool FrameFollowsWindowDpi(HWND window) {
    return kGetWindowDpiAwarenessContext && kAreDpiAwarenessContextsEqual &&
           kAreDpiAwarenessContextsEqual(kGetWindowDpiAwarenessContext(window), kPerMonitorAwareV2);
}

RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    RECT rc = client;
    if (kAdjustWindowRectExForDpi)
        kAdjustWindowRectExForDpi(&rc, style, hasMenu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rc, style, hasMenu, exStyle);
    return rc;
}

}  // namespace fw
