#include "framework/Panel.h"

#include "framework/Graphics.h"

namespace fw {

namespace {

void Frame(HDC dc, RECT& rc, TBevelCut cut) {
    if (cut == TBevelCut::bvNone)
        return;
    COLORREF topLeft = GetSysColor(cut == TBevelCut::bvLowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF bottomRight = GetSysColor(cut == TBevelCut::bvLowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    FillSolid(dc, {rc.left, rc.top, rc.right, rc.top + 1}, topLeft);
    FillSolid(dc, {rc.left, rc.top, rc.left + 1, rc.bottom}, topLeft);
    FillSolid(dc, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, bottomRight);
    FillSolid(dc, {rc.right - 1, rc.top, rc.right, rc.bottom}, bottomRight);
    InflateRect(&rc, -1, -1);
}

}  // namespace

void TPanel::CreateHandle() {
    CreateOwnWindow(kPanelClass, WS_CLIPCHILDREN);
}

void TPanel::Paint(HDC dc) {
    RECT rc = ClientRect();
    Frame(dc, rc, BevelOuter);
    Frame(dc, rc, BevelInner);
    FillSolid(dc, rc, ColorToRGB(Color()));
}

}  // namespace fw
