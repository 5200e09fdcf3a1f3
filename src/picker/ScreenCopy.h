#pragma once
// A copy of what the screen shows in a rectangle, for a window that must look as if it
// were not there.
#include <windows.h>

#include "framework/Handles.h"

namespace huetrove {

// The screen's pixels in `screenRect` (screen coordinates) as a bitmap of that size;
// empty when the screen cannot be read.
fw::UniqueBitmap CopyScreen(const RECT& screenRect);

}  // namespace huetrove
