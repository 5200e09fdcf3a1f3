#include "HuetroveWindow.h"

#include <cstdio>
#include <stdexcept>

namespace e2e {

Huetrove::Huetrove(const std::string& workingDirectory, const std::string& exe)
    : process_(Process::Launch(exe.empty() ? ProgramPath() : exe, {}, workingDirectory)) {
    main_ = WaitForTopLevelWindow(process_.Id(), {.caption = kMainCaption, .visibleOnly = true}, 30s);
    if (!main_)
        throw std::runtime_error("the main window did not appear");
    process_.WaitForInputIdle(10s);
}

HWND Huetrove::At(int x, int y) const {
    // The places are those of the 96-DPI design; the window is laid out at the screen's DPI.
    const int dpi = ScreenDpi();
    return ChildAt(main_, POINT{MulDiv(x, dpi, 96), MulDiv(y, dpi, 96)});
}

HWND ShownChartOf(HWND main) {
    for (HWND image : ChildWindows(main, "fwImage")) {
        if (IsVisible(image))
            return image;
    }
    return nullptr;
}

HWND Huetrove::PickingWindow() const {
    for (HWND w : TopLevelWindows(process_.Id(), {.className = "fwForm", .visibleOnly = true})) {
        const RECT r = WindowRect(w);
        if (w != main_ && r.right - r.left == GetSystemMetrics(SM_CXSCREEN))
            return w;
    }
    return nullptr;
}

void Huetrove::Press(std::initializer_list<WORD> keys) const {
    BringToForeground(main_);
    PressKeys(keys);
}

std::string HtmlOf(COLORREF color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

}  // namespace e2e
