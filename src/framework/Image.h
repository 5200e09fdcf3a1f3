#pragma once
// The image control: a picture a form shows, which can be clicked.
#include <string>

#include "framework/Control.h"
#include "framework/Handles.h"

namespace fw {

// A picture (bitmap or icon) that can be clicked; with AutoSize it takes the picture's size.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}
    bool AutoSize = true;
    void CreateHandle() override;
    void SetBitmap(UniqueBitmap bitmap);
    // Drawn at its own size.
    void SetIcon(UniqueIcon icon, int size);
    // An icon resource of the program, `designSize` pixels square at 96 DPI; loaded
    // again at the right size when the DPI changes.
    void LoadIconResource(const std::string& name, int designSize);
    void ChangeScale() override;
    HBITMAP Bitmap() const { return bitmap_.Get(); }

protected:
    void Paint(HDC dc) override;

private:
    UniqueBitmap bitmap_;
    UniqueIcon icon_;
    int iconSize_ = 0;
    std::string iconResource_;
    int iconDesignSize_ = 0;
};

}  // namespace fw
