#include "shared/BaseFunctions.h"

#include <windows.h>

#include "framework/Font.h"
#include "framework/Handles.h"

namespace huetrove {

std::string ColorToHTML(fw::TColor color) {
    return ExplicitColorToHTML(fw::ColorToRGB(color));
}

fw::TColor GetScreenPixel(int x, int y) {
    HWND desktop = GetDesktopWindow();
    fw::WindowDC dc(desktop, true);
    return GetPixel(dc.Get(), x, y);
}

}  // namespace huetrove
