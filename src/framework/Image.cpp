#include "framework/Image.h"

#include "framework/Graphics.h"

namespace fw {

void TImage::CreateHandle() {
    CreateOwnWindow(kImageClass, 0);
}

void TImage::SetBitmap(UniqueBitmap bitmap) {
    bitmap_ = std::move(bitmap);
    icon_.Reset();
    if (AutoSize && bitmap_) {
        BITMAP bm{};
        GetObjectA(bitmap_.Get(), sizeof bm, &bm);
        SetBounds(left_, top_, bm.bmWidth, bm.bmHeight);
    }
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
}

void TImage::SetIcon(UniqueIcon icon, int size) {
    icon_ = std::move(icon);
    bitmap_.Reset();
    iconSize_ = size;
    if (AutoSize && icon_)
        SetBounds(left_, top_, size, size);
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
}

void TImage::LoadIconResource(const std::string& name, int designSize) {
    iconResource_ = name;
    iconDesignSize_ = designSize;
    const int size = Scale(designSize);
    SetIcon(
        UniqueIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, size, size, 0))),
        size);
}

void TImage::ChangeScale() {
    TControl::ChangeScale();
    if (!iconResource_.empty())
        LoadIconResource(iconResource_, iconDesignSize_);
}

void TImage::Paint(HDC dc) {
    RECT rc;
    GetClientRect(handle_, &rc);
    if (bitmap_) {
        DrawBitmap(dc, bitmap_.Get(), rc.right, rc.bottom);
        return;
    }
    FillSolid(dc, rc, ColorToRGB(Color()));
    if (icon_)
        DrawIconEx(dc, 0, 0, icon_.Get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
}

}  // namespace fw
