#pragma once
// Routines shared by the windows: the colour's text form and reading a screen pixel.
#include <cstdint>
#include <string>

#include "framework/Types.h"
#include "shared/ColorText.h"

namespace huetrove {

// The HTML code of a colour value; a system-colour reference shows the system's
// current value for its index.
std::string ColorToHTML(fw::TColor color);

// The colour of one screen pixel as the screen shows it ($00BBGGRR), or $FFFFFFFF when
// it cannot be read.
fw::TColor GetScreenPixel(int x, int y);

}  // namespace huetrove
