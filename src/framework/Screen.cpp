#include "framework/Screen.h"

#include "framework/Application.h"
#include "framework/Control.h"

namespace fw {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

const TScreen::OwnCursor* TScreen::Own(TCursor number) const {
    for (const OwnCursor& own : own_) {
        if (own.number == number)
            return &own;
    }
    return nullptr;
}

HCURSOR TScreen::Cursor(TCursor number) const {
    if (const OwnCursor* own = number > 0 ? Own(number) : nullptr)
        return own->cursor.Get();
    const LPCSTR id = number == crCross ? IDC_CROSS : number == crHandPoint ? IDC_HAND : IDC_ARROW;
    return LoadCursorA(nullptr, id);
}

void TScreen::SetCursor(TCursor number, UniqueCursor cursor) {
    std::erase_if(own_, [number](const OwnCursor& own) { return own.number == number; });
    if (cursor)
        own_.push_back({number, std::move(cursor)});
}

TControl* TScreen::ActiveControl() const {
    // The focus may be in a system dialog of the program; only the forms' windows are bound.
    HWND focus = GetFocus();
    return Application().FormOfWindow(focus) ? TControl::FromHandle(focus) : nullptr;
}

}  // namespace fw
