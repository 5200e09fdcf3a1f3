#include "OneTrayIcon.h"

OneTrayIcon::OneTrayIcon(HWND window, const char* tip) {
    icon_.cbSize = sizeof icon_;
    icon_.hWnd = window;
    icon_.uID = 1;
    icon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon_.uCallbackMessage = WM_APP + 1;
    icon_.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(icon_.szTip, tip, sizeof icon_.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon_);
}

void OneTrayIcon::SetTip(const char* tip) {
    lstrcpynA(icon_.szTip, tip, sizeof icon_.szTip);
    Shell_NotifyIconA(NIM_MODIFY, &icon_);
}

OneTrayIcon::~OneTrayIcon() {
    Shell_NotifyIconA(NIM_DELETE, &icon_);
}
