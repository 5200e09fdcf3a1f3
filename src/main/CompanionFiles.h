#pragma once
#include <string>

namespace huetrove {

// The running executable's full path; empty only when the system cannot give it.
std::wstring ExecutablePath();

// Where a companion file (help, licence, cursor) is, as a full path: in the current
// directory when it holds the file, else beside the executable, else empty. A program
// started from elsewhere (at log-on, from a shortcut) still finds its files.
std::wstring FindCompanionFile(const wchar_t* name);

}  // namespace huetrove
