#pragma once
#include "framework/Control.h"
#include "framework/Handles.h"

namespace fw {

// A picture (bitmap or icon) that can be clicked; with AutoSize it takes the picture's size.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}
    bool AutoSize = true;
    void CreateHandle() override;
    // Takes ownership of the bitmap.
    void SetBitmap(HBITMAP bitmap);
    // Takes ownership of the icon, drawn at its own size.
    void SetIcon(HICON icon, int size);
    HBITMAP Bitmap() const { return bitmap_.Get(); }

protected:
    void Paint(HDC dc) override;

private:
    UniqueBitmap bitmap_;
    UniqueIcon icon_;
    int iconSize_ = 0;
};

}  // namespace fw
