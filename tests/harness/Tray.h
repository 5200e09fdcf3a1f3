#pragma once
// The shell's notification area as a user meets it: where the first icon sits and
// whether something is drawn there.
#include <windows.h>

namespace harness {

// The shell's taskbar, which holds the notification area at its right end.
HWND Taskbar();

// The slot of the first icon of the notification area: the right end of the taskbar,
// one small icon with its border wide.
POINT FirstIconSlot();

// Whether something is drawn in the slot: pixels that differ from the bare taskbar
// just left of it.
bool IconDrawnAt(POINT center);

// Points on the icon a little left and right of its centre in turn: two presses that
// far apart are never taken for a double click, however quickly they follow. The
// shell remembers the last press across program runs, so the turn is kept per process.
POINT NextIconSpot(POINT icon);

}  // namespace harness
