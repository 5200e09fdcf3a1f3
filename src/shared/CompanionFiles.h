#pragma once
// Where the companion files (help, licence, cursor) are: beside the program only.
#include <string>

namespace huetrove {

// The running executable's full path; empty only when the system cannot give it.
std::wstring ExecutablePath();

// Where a companion file (help, licence, cursor) is, as a full path: beside the
// executable, or empty when it is not there. The current directory is never searched:
// a program started from a console or a shortcut whose start folder is a download or
// shared folder would otherwise open a stranger's file there.
std::wstring FindCompanionFile(const wchar_t* name);

}  // namespace huetrove
