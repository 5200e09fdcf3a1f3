#pragma once
// Fonts as the form descriptions give them, and the GDI fonts made from them.
#include <windows.h>

#include <string_view>

#include "framework/Types.h"

namespace fw {

// A font as a form description gives it. Size is in points; a non-zero height in
// pixels takes precedence (the descriptions give some fonts that way).
struct TFontDesc {
    std::string_view name = "Tahoma";  // a literal: descriptions are constant data
    int size = 8;
    int height = 0;
    bool bold = false;
    bool underline = false;
    TColor color = clWindowText;
};

// The GDI font for a description at a DPI. Fonts are shared and live until the
// program ends; a pixel height is given at 96 DPI and scales like a point size.
HFONT FontHandle(const TFontDesc& font, int dpi);

// A colour value made explicit: system-colour references resolve to the current value.
COLORREF ColorToRGB(TColor color);

}  // namespace fw
