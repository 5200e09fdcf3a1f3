#pragma once
// Small drawing helpers shared by the controls and the windows.
#include <windows.h>

namespace fw {

// Fills a rectangle with one colour (without a brush: the background colour of a text
// output that draws no text).
void FillSolid(HDC dc, const RECT& rect, COLORREF color);

// Copies a bitmap to the top-left corner of a device context, at most width x height.
void DrawBitmap(HDC dc, HBITMAP bitmap, int width, int height);

}  // namespace fw
