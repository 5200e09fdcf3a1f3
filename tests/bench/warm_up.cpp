// Started first in every fresh desktop and not measured: the first program to show a
// window and a tray icon in a new Wine desktop pays for waking the desktop and its
// notification area, which would otherwise fall on whichever measured program came first.
#include <windows.h>

#include <shellapi.h>

#include "OneWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = MakeOneWindow(instance, "Warm-up window");
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_APP + 1;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "Warm-up", sizeof icon.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon);

    const int result = RunOneWindow(window, show);
    Shell_NotifyIconA(NIM_DELETE, &icon);
    return result;
}
