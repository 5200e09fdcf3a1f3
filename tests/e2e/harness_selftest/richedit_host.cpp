// A window holding one rich edit control of the class and text given on the
// command line, so the harness self-test can read it from another process.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 3)
        return 2;
    const std::string className = __argv[1];
    // RICHEDIT50W lives in msftedit, the older RichEdit20A/W in riched20.
    if (!LoadLibraryA(className == "RICHEDIT50W" ? "msftedit.dll" : "riched20.dll"))
        return 3;

    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = instance;
    hostClass.lpszClassName = "RichEditHost";
    hostClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&hostClass);
    HWND host = CreateWindowExA(0, "RichEditHost", "RichEditHost", WS_OVERLAPPEDWINDOW, 100, 100, 300, 120, nullptr,
                                nullptr, instance, nullptr);
    HWND edit = CreateWindowExA(0, className.c_str(), "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 260, 40, host,
                                nullptr, instance, nullptr);
    if (!host || !edit)
        return 4;
    SetWindowTextA(edit, __argv[2]);
    // Shown only when complete, so whoever sees the window finds its text.
    ShowWindow(host, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
