#pragma once
// The per-application table of cursors by number, and the control that has the focus.
#include <windows.h>

#include <vector>

#include "framework/Handles.h"
#include "framework/Types.h"

namespace fw {

class TControl;

class TScreen {
public:
    TScreen() = default;
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;

    // The cursor shown for a number: a standard cursor for a negative number, the
    // program's own entry for a positive one, and the arrow for 0 or an empty entry.
    HCURSOR Cursor(TCursor number) const;
    // Replaces the program's own entry: the cursor entered before is destroyed, and a
    // null handle leaves the number without an entry.
    void SetCursor(TCursor number, UniqueCursor cursor);

    // The framework's control that has the keyboard focus, or null.
    TControl* ActiveControl() const;

private:
    struct OwnCursor {
        TCursor number;
        UniqueCursor cursor;
    };
    const OwnCursor* Own(TCursor number) const;
    std::vector<OwnCursor> own_;
};

TScreen& Screen();

}  // namespace fw
