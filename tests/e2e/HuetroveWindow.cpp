#include "HuetroveWindow.h"

#include <gtest/gtest.h>

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

bool Huetrove::PressUntil(const std::string& what, std::initializer_list<WORD> keys,
                          const std::function<bool()>& done, StepLimits limits) const {
    return e2e::PressUntil(what, main_, keys, done, limits);
}

bool Huetrove::MenuCommand(WORD menuKey, WORD itemKey, const std::string& what, const std::function<bool()>& done,
                           StepLimits limits) const {
    const DWORD id = process_.Id();
    return SendUntil(
        what,
        [&] {
            // The menu closes once its item has been chosen: opened again only for a repeat
            // that finds it gone.
            if (!ShownMenu(id) && !OpenMenuBar(main_, menuKey))
                return false;
            PressKey(itemKey);
            return true;
        },
        done, limits);
}

HWND Huetrove::WaitForWindow(const WindowQuery& query, Duration timeout) const {
    WindowQuery visible = query;
    visible.visibleOnly = true;
    return WaitForTopLevelWindow(process_.Id(), visible, timeout);
}

void ExpectHelpOpens(const Huetrove& app) {
    constexpr char kHelpCaption[] = "Huetrove Help";
    // A long deadline: a second Ctrl+H after a slow start would open a second viewer.
    app.PressUntil("Ctrl+H opens the help viewer", {VK_CONTROL, 'H'},
                   [&] { return FindWindowA(nullptr, kHelpCaption) != nullptr; }, {.deadline = 20s, .attempts = 2});
    HWND viewer = FindWindowA(nullptr, kHelpCaption);
    EXPECT_NE(viewer, nullptr);
    EXPECT_TRUE(MessageBoxes(app.ProcessId()).empty());
    if (viewer)
        PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, kHelpCaption) == nullptr; }, 10s));
}

std::string HtmlOf(COLORREF color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

}  // namespace e2e
