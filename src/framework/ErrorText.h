#pragma once
// The wording of the standard error box. Portable: no windows.h here.
#include <string>

namespace fw {

// The text the standard error box shows for a message: a full stop is added when the
// last character sorts after "." (so a message ending in a quote or a digit keeps it as is).
std::string ErrorBoxText(const std::string& message);

}  // namespace fw
