#pragma once
#include <string>

namespace huetrove {

// The running executable's full path in the program's code page; empty when it cannot
// be had, or only with characters replaced (a folder named in another script), since
// such a path names no file.
std::string ExecutablePath();

// Where a companion file (help, licence, cursor) is, as a full path: in the current
// directory when it holds the file, else beside the executable, else empty. A program
// started from elsewhere (at log-on, from a shortcut) still finds its files.
std::string FindCompanionFile(const std::string& name);

}  // namespace huetrove
