#pragma once
// An icon picture that a component keeps as its own: assigning copies the image, so
// the object itself is never replaced and its handle stays owned here.
#include <windows.h>

#include "framework/Handles.h"

namespace fw {

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON Handle() const { return icon_.Get(); }
    bool Empty() const { return !icon_; }
    // Null empties the picture.
    void SetHandle(UniqueIcon icon) { icon_ = std::move(icon); }
    // Copies the other picture; an empty one empties this.
    void Assign(const TIcon& other);
    // Loads an icon resource of the program at the given size.
    bool LoadResource(const char* name, int size);

private:
    UniqueIcon icon_;
};

}  // namespace fw
