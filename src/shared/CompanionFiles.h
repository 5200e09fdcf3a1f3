#pragma once
#include <string>

namespace huetrove {

// The running executable's full path; empty only when the system cannot give it.
std::wstring ExecutablePath();

// Where a companion file (help, licence, cursor) is, as a full path: beside the
// executable when it is there, else in the current directory, else empty. The files
// of the program's own folder win, so a file that happens to lie in the folder the
// program was started from is never taken in their place; a program started from
// elsewhere (at log-on, from a shortcut) still finds them.
std::wstring FindCompanionFile(const wchar_t* name);

}  // namespace huetrove
