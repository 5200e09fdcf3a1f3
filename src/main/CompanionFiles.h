#pragma once
#include <string>

namespace huetrove {

// Where a companion file (help, licence, cursor) is: its bare name when the current
// directory holds it, else its full path beside the executable, else empty. A program
// started from elsewhere (at log-on, from a shortcut) still finds its files.
std::string FindCompanionFile(const std::string& name);

}  // namespace huetrove
