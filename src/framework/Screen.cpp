#include "framework/Screen.h"

#include "framework/Application.h"
#include "framework/Control.h"

namespace fw {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TScreen::~TScreen() {
    for (auto& [number, cursor] : own_)
        DestroyCursor(cursor);
}

HCURSOR TScreen::Cursor(TCursor number) const {
    if (number > 0) {
        auto it = own_.find(number);
        if (it != own_.end())
            return it->second;
        return LoadCursorA(nullptr, IDC_ARROW);
    }
    LPCSTR id = IDC_ARROW;
    switch (number) {
        case crCross:
            id = IDC_CROSS;
            break;
        case crIBeam:
            id = IDC_IBEAM;
            break;
        case crHandPoint:
            id = IDC_HAND;
            break;
        default:
            break;
    }
    return LoadCursorA(nullptr, id);
}

void TScreen::SetCursor(TCursor number, HCURSOR cursor) {
    auto it = own_.find(number);
    if (it != own_.end()) {
        DestroyCursor(it->second);
        own_.erase(it);
    }
    if (cursor)
        own_[number] = cursor;
}

TControl* TScreen::ActiveControl() const {
    // The focus may be in a system dialog of the program; only the forms' windows are bound.
    HWND focus = GetFocus();
    return Application().FormOfWindow(focus) ? TControl::FromHandle(focus) : nullptr;
}

}  // namespace fw
