#pragma once
// What assistive programs (screen readers, inspectors) hear for a control beyond what
// the system finds for it itself. Nothing of it costs anything until one asks: the
// accessibility library is loaded at the first request.
#include <windows.h>

#include <functional>
#include <string>

namespace fw {

// A control's name and value, read each time a reader asks, so they follow what the
// control shows. Either left empty: the system's own answer.
struct TAccessibleText {
    std::function<std::string()> name;
    std::function<std::string()> value;
    explicit operator bool() const { return name || value; }
};

// The answer to WM_GETOBJECT for the client area of a window whose control has a
// TAccessibleText: the system's standard object, with that name and value. 0 when the
// accessibility library is missing, so the window's own procedure answers.
LRESULT AnswerAccessibleClient(HWND wnd, WPARAM flags);

// A hidden static label right before `control` in z-order, within its parent: the
// system's standard objects take such a label as the name of the control after it.
void AddHiddenLabel(HWND control, const std::string& text);

}  // namespace fw
