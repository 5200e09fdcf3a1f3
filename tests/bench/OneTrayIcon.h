#pragma once
// The one tray icon of the benchmark's reference programs that show one: the system's
// application icon with a tip, added on making and removed on going.
#include <windows.h>

#include <shellapi.h>

class OneTrayIcon {
public:
    OneTrayIcon(HWND window, const char* tip);
    ~OneTrayIcon();
    void SetTip(const char* tip);
    OneTrayIcon(const OneTrayIcon&) = delete;
    OneTrayIcon& operator=(const OneTrayIcon&) = delete;

private:
    NOTIFYICONDATAA icon_{};
};
