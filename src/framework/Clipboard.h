#pragma once
// Text for the clipboard, put there by the program itself: Unicode text alone, with
// its data handed over at once, so that it outlives the program and pastes without
// the look of the box it came from.
#include <windows.h>

#include <string_view>

namespace fw {

// Puts `text` on the clipboard for `owner`. Other programs (clipboard history, a remote
// session, clipboard managers) hold the clipboard open for moments: opening it is tried
// again for about `patienceMs`. False when the clipboard could not be had or took nothing.
bool PutClipboardText(HWND owner, std::wstring_view text, DWORD patienceMs = 1000);

}  // namespace fw
