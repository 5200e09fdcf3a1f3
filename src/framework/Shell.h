#pragma once
// Files and web addresses handed to the shell.
#include <windows.h>

namespace fw {

// Opens `target` with the shell's "open" verb, as `owner`'s, from a COM apartment as
// the shell asks. A failure is the caller's to ignore: false then.
bool ShellOpen(HWND owner, const wchar_t* target);

}  // namespace fw
