#include "picker/ScreenPick.h"

#include <windows.h>

#include "main/BaseFunctions.h"
#include "main/Unit1.h"

namespace huetrove {

fw::TColor PixelUnderPointer() {
    // The position now, not the one a click message carried: that is what the user sees.
    POINT pt{};
    if (!GetCursorPos(&pt))
        return CLR_INVALID;
    return GetScreenPixel(pt.x, pt.y);
}

bool ApplyScreenPixel(TMainForm& form, fw::TColor pixel) {
    // CLR_INVALID would otherwise read as a reference to a system colour.
    if (pixel == CLR_INVALID)
        return false;
    form.ApplyPickedColor(pixel);
    return true;
}

}  // namespace huetrove
