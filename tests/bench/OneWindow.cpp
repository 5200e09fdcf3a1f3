#include "OneWindow.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT rc;
            GetClientRect(window, &rc);
            FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
            char caption[64];
            TextOutA(dc, 10, 10, caption, GetWindowTextA(window, caption, sizeof caption));
            EndPaint(window, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, msg, wParam, lParam);
    }
}

}  // namespace

HWND MakeOneWindow(HINSTANCE instance, const char* caption) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "BenchWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, caption, WS_OVERLAPPEDWINDOW, 100, 100, 240, 320, nullptr, nullptr,
                           instance, nullptr);
}

int RunOneWindow(HWND window, int show) {
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
