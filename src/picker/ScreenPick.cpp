#include "picker/ScreenPick.h"

#include <windows.h>

#include "shared/BaseFunctions.h"

namespace huetrove {

fw::TColor PixelUnderPointer() {
    // The position now, not the one a click message carried: that is what the user sees.
    POINT pt{};
    if (!GetCursorPos(&pt))
        return CLR_INVALID;
    return GetScreenPixel(pt.x, pt.y);
}

}  // namespace huetrove
