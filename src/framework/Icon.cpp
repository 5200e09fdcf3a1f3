#include "framework/Icon.h"

namespace fw {

void TIcon::Assign(const TIcon& other) {
    if (&other == this)
        return;
    icon_.Reset(other.Empty() ? nullptr : CopyIcon(other.Handle()));
}

bool TIcon::LoadResource(const char* name, int size) {
    auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, 0));
    if (!icon)
        return false;
    icon_.Reset(icon);
    return true;
}

}  // namespace fw
