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
// True when the colour was applied. (The main window's side, in main/.)
bool ApplyScreenPixel(TMainForm& form, fw::TColor pixel);

// The end of a pick from the screen, once the picking window is gone: the pixel its
// click read becomes the current colour, and the main window shows again.
void FinishScreenPick(fw::TColor pixel);

}  // namespace huetrove
