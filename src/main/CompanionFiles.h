#pragma once
#include <string>

namespace huetrove {

// Where a companion file (help, licence, cursor) is, as a full path: in the current
// directory when it holds the file, else beside the executable, else empty. A program
// started from elsewhere (at log-on, from a shortcut) still finds its files.
std::string FindCompanionFile(const std::string& name);

}  // namespace huetrove
