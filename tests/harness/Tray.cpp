#include "Tray.h"

#include "Screen.h"
#include "WindowFinder.h"

namespace harness {

HWND Taskbar() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

POINT FirstIconSlot() {
    const RECT bar = WindowRect(Taskbar());
    const int slot = GetSystemMetrics(SM_CXSMICON) + 4;
    return {bar.right - slot / 2, (bar.top + bar.bottom) / 2};
}

bool IconDrawnAt(POINT center) {
    const COLORREF ground = ReadPixel({center.x - 40, center.y});
    int differing = 0;
    for (int dy = -6; dy <= 6; dy += 2)
        for (int dx = -6; dx <= 6; dx += 2)
            if (ReadPixel({center.x + dx, center.y + dy}) != ground)
                ++differing;
    return differing > 5;
}

POINT NextIconSpot(POINT icon) {
    static bool left = false;
    const int apart = GetSystemMetrics(SM_CXDOUBLECLK) + 2;
    left = !left;
    return {icon.x + (left ? -apart / 2 - 1 : apart / 2 + 1), icon.y};
}

}  // namespace harness
