#include "WindowFinder.h"

#include "WindowText.h"

namespace harness {

namespace {

// Window classes are named case-insensitively: "RICHEDIT50W" is "RichEdit50W".
bool IsClass(HWND window, const std::string& className) {
    return lstrcmpiA(ClassName(window).c_str(), className.c_str()) == 0;
}

bool Matches(HWND window, const WindowQuery& query) {
    return (!query.visibleOnly || IsWindowVisible(window)) && (!query.className || IsClass(window, *query.className)) &&
           (!query.caption || Caption(window) == *query.caption);
}

// Hands each window an enumeration meets to `visit`.
template <typename Visit>
BOOL CALLBACK Each(HWND window, LPARAM visit) {
    (*reinterpret_cast<Visit*>(visit))(window);
    return TRUE;
}

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const WindowQuery& query) {
    std::vector<HWND> found;
    auto visit = [&](HWND window) {
        if ((!processId || ProcessOf(window) == processId) && Matches(window, query))
            found.push_back(window);
    };
    EnumWindows(Each<decltype(visit)>, reinterpret_cast<LPARAM>(&visit));
    return found;
}

HWND FindTopLevelWindow(DWORD processId, const WindowQuery& query) {
    const auto windows = TopLevelWindows(processId, query);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForTopLevelWindow(DWORD processId, const WindowQuery& query, Duration timeout) {
    return WaitFor([&] { return FindTopLevelWindow(processId, query); }, timeout);
}

std::vector<HWND> ChildWindows(HWND parent, const std::optional<std::string>& className) {
    std::vector<HWND> found;
    auto visit = [&](HWND window) {
        if (!className || IsClass(window, *className))
            found.push_back(window);
    };
    EnumChildWindows(parent, Each<decltype(visit)>, reinterpret_cast<LPARAM>(&visit));
    return found;
}

HWND FindChildWindow(HWND parent, const std::string& className) {
    const auto children = ChildWindows(parent, className);
    return children.empty() ? nullptr : children.front();
}

HWND ChildWithText(HWND parent, const std::string& text, bool prefix) {
    for (HWND child : ChildWindows(parent)) {
        const std::string shown = WindowText(child);
        if (prefix ? shown.starts_with(text) : shown == text)
            return child;
    }
    return nullptr;
}

HWND ChildAt(HWND parent, POINT clientPoint) {
    return ChildWindowFromPointEx(parent, clientPoint, CWP_SKIPINVISIBLE);
}

HWND Owner(HWND window) {
    return GetWindow(window, GW_OWNER);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Caption(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

SIZE ClientSize(HWND window) {
    const RECT rect = ClientRect(window);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect = ClientRect(window);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT ClientToScreenPoint(HWND window, POINT clientPoint) {
    ClientToScreen(window, &clientPoint);
    return clientPoint;
}

POINT TopLeftIn(HWND parent, HWND window) {
    const RECT rect = WindowRect(window);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(parent, &topLeft);
    return topLeft;
}

POINT CenterOf(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool IsVisible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool IsForeground(HWND window) {
    return GetForegroundWindow() == window;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::optional<std::string> ShownTooltip(DWORD processId) {
    for (HWND tip : TopLevelWindows(processId, {.className = "tooltips_class32", .visibleOnly = true})) {
        const std::string text = WindowText(tip);
        if (!text.empty())
            return text;
    }
    return std::nullopt;
}

}  // namespace harness
