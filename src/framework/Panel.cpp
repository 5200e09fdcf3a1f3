#include "framework/Panel.h"

namespace fw {

namespace {

void Frame(HDC dc, RECT& rc, TBevelCut cut) {
    if (cut == TBevelCut::bvNone)
        return;
    COLORREF topLeft = GetSysColor(cut == TBevelCut::bvLowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF bottomRight = GetSysColor(cut == TBevelCut::bvLowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    auto fill = [dc](int l, int t, int r, int b, COLORREF c) {
        RECT part{l, t, r, b};
        SetBkColor(dc, c);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &part, nullptr, 0, nullptr);
    };
    fill(rc.left, rc.top, rc.right, rc.top + 1, topLeft);
    fill(rc.left, rc.top, rc.left + 1, rc.bottom, topLeft);
    fill(rc.left, rc.bottom - 1, rc.right, rc.bottom, bottomRight);
    fill(rc.right - 1, rc.top, rc.right, rc.bottom, bottomRight);
    InflateRect(&rc, -1, -1);
}

}  // namespace

void TPanel::CreateHandle() {
    CreateOwnWindow("fwPanel", WS_CLIPCHILDREN);
}

void TPanel::Paint(HDC dc) {
    RECT rc;
    GetClientRect(handle_, &rc);
    Frame(dc, rc, BevelOuter);
    Frame(dc, rc, BevelInner);
    SetBkColor(dc, ColorToRGB(Color()));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

}  // namespace fw
