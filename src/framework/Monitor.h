#pragma once
// The monitor a window is on, as the place forms are centred on and kept within.
#include <windows.h>

namespace fw {

// The whole area of the monitor that shows most of the window (the primary one when
// the window is on none).
RECT MonitorRect(HWND window);

}  // namespace fw
