#include "HuetroveDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace harness {

Huetrove::Huetrove(const std::string& workingDirectory, const std::string& exe)
    : Huetrove(Process::Launch(exe.empty() ? ProgramPath() : exe, {}, workingDirectory)) {}

Huetrove::Huetrove(const std::wstring& workingDirectory, const std::wstring& exe)
    : Huetrove(Process::Launch(exe, {}, workingDirectory)) {}

Huetrove::Huetrove(Process process) : process_(std::move(process)) {
    main_ = WaitForMainWindow(process_.Id());
    if (!main_)
        throw std::runtime_error("the main window did not appear");
    process_.WaitForInputIdle(10s);
}

HWND WaitForMainWindow(DWORD processId) {
    return WaitForTopLevelWindow(processId, {.caption = kMainCaption, .visibleOnly = true}, 30s);
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

bool CopyThroughOpenMenu() {
    return PressUntil("C in the menu copies the code", nullptr, {'C'}, [] { return ReadClipboardText().has_value(); });
}

HWND Huetrove::PickingWindow() const {
    for (HWND w : TopLevelWindows(process_.Id(), {.className = "fwForm", .visibleOnly = true})) {
        const RECT r = WindowRect(w);
        if (w != main_ && r.right - r.left == GetSystemMetrics(SM_CXSCREEN))
            return w;
    }
    return nullptr;
}

HWND Huetrove::StartPicking() const {
    PressUntil("Ctrl+S starts picking", {VK_CONTROL, 'S'}, [&] { return PickingWindow() != nullptr; });
    return PickingWindow();
}

HCURSOR Huetrove::CursorOverChart() const {
    HWND chart = ShownChart();
    return chart ? CursorAt(CenterOf(WindowRect(chart))) : nullptr;
}

bool Huetrove::PressUntil(const std::string& what, std::initializer_list<WORD> keys,
                          const std::function<bool()>& done, StepLimits limits) const {
    return harness::PressUntil(what, main_, keys, done, limits);
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

HWND Huetrove::Shown(const WindowQuery& query) const {
    return WaitForWindow(query, 0s);
}

HWND Huetrove::WaitForWindow(const WindowQuery& query, Duration timeout) const {
    WindowQuery visible = query;
    visible.visibleOnly = true;
    return WaitForTopLevelWindow(process_.Id(), visible, timeout);
}

HWND Huetrove::OpenAbout() const {
    const auto about = [&] { return Shown({.caption = kAboutCaption}); };
    MenuCommand('H', 'A', "Help > About opens the About window", [&] { return about() != nullptr; });
    return about();
}

HWND Huetrove::OpenPreferences() const {
    const auto preferences = [&] { return Shown({.caption = kPreferencesCaption}); };
    PressUntil("Ctrl+O opens Preferences", {VK_CONTROL, 'O'}, [&] { return preferences() != nullptr; });
    return preferences();
}

HWND Huetrove::OpenColourDialog() const {
    PressUntil("Ctrl+P opens the colour dialog", {VK_CONTROL, 'P'}, [&] { return ColourDialog() != nullptr; });
    return ColourDialog();
}

bool Huetrove::PickAt(POINT screenPoint, const std::string& html) const {
    return ClickUntil("a click picks " + html, screenPoint, [&] { return Html() == html; });
}

bool Huetrove::CopyWith(std::initializer_list<WORD> keys, const std::string& what) const {
    return ClearClipboard() && PressUntil(what, keys, [] { return ReadClipboardText().has_value(); });
}

bool Huetrove::Exit() const {
    MenuCommand('F', 'X', "File > Exit ends the program", [&] { return !process_.IsRunning(); }, {.deadline = 15s});
    return process_.WaitForExit(15s);
}

void ExpectHelpOpens(const Huetrove& app, std::function<HWND()> viewer) {
    if (!viewer)
        viewer = [] { return FindWindowA(nullptr, "Huetrove Help"); };
    // A long deadline: a second Ctrl+H after a slow start would open a second viewer.
    app.PressUntil("Ctrl+H opens the help viewer", {VK_CONTROL, 'H'}, [&] { return viewer() != nullptr; },
                   {.deadline = 20s, .attempts = 2});
    HWND shown = viewer();
    EXPECT_NE(shown, nullptr) << "Help opened nothing";
    EXPECT_TRUE(MessageBoxes(app.ProcessId()).empty()) << "Help reported a problem";
    if (shown)
        CloseViewer(shown);
    EXPECT_TRUE(WaitUntil([&] { return viewer() == nullptr; }, 10s));
    for (const MessageBoxInfo& box : MessageBoxes(app.ProcessId()))
        AnswerMessageBox(box.window, box.buttons.at(0).window);
}

HWND FindWindowOfClass(const char* className, const std::string& part) {
    for (HWND w : TopLevelWindows(0, {.className = className, .visibleOnly = true})) {
        if (Caption(w).find(part) != std::string::npos)
            return w;
    }
    return nullptr;
}

bool EndSession(HWND window) {
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &ignored);
    return answered && answer == TRUE;
}

HWND ClickLicenceLink(HWND about) {
    HWND link = ChildWithText(about, "License Agreement");
    const auto viewer = [] { return FindWindowOfClass("Notepad", "license"); };
    ClickUntil("a click on the licence link opens the viewer", CenterOf(WindowRect(link)),
               [&] { return viewer() != nullptr; }, link, MouseButton::Left, {.deadline = 10s, .attempts = 2});
    return viewer();
}

namespace {

constexpr char kTextFileType[] = "txtfile";

bool SetFileType(const std::string& extension, const char* type) {
    return RegSetKeyValueA(HKEY_CLASSES_ROOT, extension.c_str(), nullptr, REG_SZ, type,
                           static_cast<DWORD>(lstrlenA(type) + 1)) == ERROR_SUCCESS;
}

}  // namespace

OpenInTheTextViewer::OpenInTheTextViewer(std::string extension) : extension_(std::move(extension)) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, extension_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char type[MAX_PATH] = {};
        DWORD size = sizeof type - 1;  // room for a zero the stored text may lack
        const LONG read = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(type), &size);
        previous_ = read == ERROR_SUCCESS ? type : "";
        RegCloseKey(key);
        if (*previous_ == kTextFileType)
            return;
    }
    changed_ = SetFileType(extension_, kTextFileType);
}

OpenInTheTextViewer::~OpenInTheTextViewer() {
    if (!changed_)
        return;
    if (previous_)
        SetFileType(extension_, previous_->c_str());
    else
        RegDeleteKeyA(HKEY_CLASSES_ROOT, extension_.c_str());
}

std::string HtmlOf(COLORREF color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

}  // namespace harness
