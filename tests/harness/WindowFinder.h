#pragma once
// Finding windows, their focus and their tooltips, by class, text, process or place.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Wait.h"

namespace harness {

// Which windows to pick; an unset field matches any window.
struct WindowQuery {
    std::optional<std::string> caption = std::nullopt;
    std::optional<std::string> className = std::nullopt;
    bool visibleOnly = false;
};

// Top-level windows of a process (of any process for 0), visible or not, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId, const WindowQuery& query = {});
HWND FindTopLevelWindow(DWORD processId, const WindowQuery& query);
HWND WaitForTopLevelWindow(DWORD processId, const WindowQuery& query, Duration timeout);

// All descendants of `parent`, optionally only those of one class.
// Class names match regardless of case, as the system treats them.
std::vector<HWND> ChildWindows(HWND parent, const std::optional<std::string>& className = std::nullopt);
HWND FindChildWindow(HWND parent, const std::string& className);
// The first descendant of `parent` that shows `text` (with `prefix`, whose text starts with it).
HWND ChildWithText(HWND parent, const std::string& text, bool prefix = false);

// The visible child of `parent` at a point in parent's client coordinates;
// `parent` itself when no child is there, null when the point lies outside.
HWND ChildAt(HWND parent, POINT clientPoint);

HWND Owner(HWND window);
std::string ClassName(HWND window);
// The caption as the system stores it; for controls of another process use WindowText().
std::string Caption(HWND window);
DWORD ProcessOf(HWND window);

RECT WindowRect(HWND window);
SIZE ClientSize(HWND window);
// The client area in screen coordinates, and one client point on the screen.
RECT ClientRectOnScreen(HWND window);
POINT ClientToScreenPoint(HWND window, POINT clientPoint);
// Where a window's top-left corner lies in the client area of `parent` (or of any window).
POINT TopLeftIn(HWND parent, HWND window);
POINT CenterOf(const RECT& rect);

bool IsVisible(HWND window);
bool IsForeground(HWND window);
// The window that has the keyboard focus on the thread of `window`.
HWND FocusOf(HWND window);
// The text of a tooltip of the process (of any process for 0) on show, if any.
std::optional<std::string> ShownTooltip(DWORD processId);

}  // namespace harness
