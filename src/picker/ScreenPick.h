#pragma once
// Reading the screen pixel under the pointer: the end of a pick from the screen and of
// a click on a chart.
#include "framework/Types.h"

namespace huetrove {

// The pixel under the pointer's hot spot now, as the screen shows it; $FFFFFFFF when
// the screen cannot be read there.
fw::TColor PixelUnderPointer();

}  // namespace huetrove
