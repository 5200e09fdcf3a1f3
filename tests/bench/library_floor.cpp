// The floor for a program built on the libraries Huetrove's controls need: the minimal
// program's one painted window, with the manifest's common controls in version 6, one
// tooltip, one rich edit box and one tray icon. The benchmark sets Huetrove's memory
// beside this one's, to tell what the libraries cost from what Huetrove adds.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include "OneTrayIcon.h"
#include "OneWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched20.dll");

    HWND window = MakeOneWindow(instance, "Library floor");
    HWND edit = CreateWindowExA(0, RICHEDIT_CLASSA, "#FFFFFF", WS_CHILD | WS_VISIBLE | ES_READONLY, 10, 40, 100, 18,
                                window, nullptr, instance, nullptr);
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = const_cast<char*>("A hint");
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

    const OneTrayIcon icon(window, "Library floor");
    return RunOneWindow(window, show);
}
