#pragma once
// The texts and places of windows, read from outside, and waiting for a window to settle.
#include <windows.h>

#include <string>
#include <utility>

#include "Wait.h"

namespace harness {

// The text of a window of any process, asked of the window itself with
// WM_GETTEXTLENGTH and WM_GETTEXT, which the system carries across processes.
// Under Wine 8 this reads edit controls and both rich edit classes
// (RICHEDIT50W, RichEdit20A) of another process; EM_GETTEXTEX and EM_STREAMOUT
// take pointers that are not carried across processes, so they are no way to
// read another process's rich edit. Empty when the window does not answer.
std::string WindowText(HWND window);

// The selection of an edit or rich edit control: {start, end} as EM_GETSEL
// returns them packed in its result (no pointers, so it works across processes).
std::pair<int, int> EditSelection(HWND edit);

// Returns once the thread of `window` is back in its message loop, so whatever the last
// input started (a save included) has finished; false when it did not answer in time.
bool Settle(HWND window, Duration timeout = 10s);

}  // namespace harness
