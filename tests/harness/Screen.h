#pragma once
// The screen: its scale, its pixels, and screenshots of a failed case.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Wait.h"

namespace harness {

// The display's scale in dots per inch, as programs of this session see it (96 at 100 %).
int ScreenDpi();

// The colour of one screen pixel, read from the desktop window's device context.
COLORREF ReadPixel(POINT screenPoint);

// How many pixels of the screen region from `origin` over `size` differ from `want(x, y)`
// (0xRRGGBB, x and y counted from the origin), read again until none do, or until `timeout`
// has passed: a window may still be painting.
int WrongScreenPixels(POINT origin, SIZE size, const std::function<std::uint32_t(int x, int y)>& want,
                      Duration timeout);

// Writes a region of the screen to a 24-bit BMP file, for looking at a failure.
bool SaveScreenshot(const RECT& screenRect, const std::string& path);
// Once the running test case has failed: the whole screen, in the working directory as
// <case><suffix>-failure.bmp, for looking at what the test saw.
void SaveScreenOnFailure(const std::string& suffix = {});

}  // namespace harness
