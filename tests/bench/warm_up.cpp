// Started first in every fresh desktop and not measured: the first program to show a
// window and a tray icon in a new Wine desktop pays for waking the desktop and its
// notification area, which would otherwise fall on whichever measured program came first.
#include <windows.h>

#include "OneTrayIcon.h"
#include "OneWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = MakeOneWindow(instance, "Warm-up window");
    const OneTrayIcon icon(window, "Warm-up");
    return RunOneWindow(window, show);
}
