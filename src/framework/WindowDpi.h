#pragma once
// The DPI of the monitor a window is on, and the window sizes that go with it. The
// per-monitor calls exist from Windows 10 on; before that the system DPI serves.
#include <windows.h>

#include "framework/DpiScale.h"

namespace fw {

// The DPI the system gives the window: that of its monitor where Windows knows it.
int WindowDpi(HWND window);

// Whether WindowDpi follows the window from monitor to monitor (Windows 10 on). Before
// that only WM_DPICHANGED tells of a new monitor's DPI.
bool WindowDpiFollowsMonitor();

// Whether the system draws the window's frame and menu bar at the window's own DPI, so
// that they change size with it (per-monitor awareness, version 2). Otherwise they keep
// the size they have.
bool FrameFollowsWindowDpi(HWND window);

// The window rectangle around a client rectangle, with the frame, caption and menu
// bar metrics of `dpi`.
RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

}  // namespace fw
