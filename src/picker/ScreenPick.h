#pragma once
// Reading the screen pixel under the pointer and making it the current colour: the
// end of a pick from the screen and of a click on a chart.
#include "framework/Types.h"

class TMainForm;

namespace huetrove {

// The pixel under the pointer's hot spot now, as the screen shows it; $FFFFFFFF when
// the screen cannot be read there.
fw::TColor PixelUnderPointer();

// Applies a pixel read from the screen as the picked colour. A pixel that could not be
// read is a failed pick: the colour, its boxes and the tray hint stay as they were.
// True when the colour was applied.
bool ApplyScreenPixel(TMainForm& form, fw::TColor pixel);

}  // namespace huetrove
