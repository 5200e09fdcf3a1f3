#include "framework/Bevel.h"

namespace fw {

void TBevel::CreateHandle() {
    CreateOwnWindow("fwBevel", 0);
}

void TBevel::Paint(HDC dc) {
    RECT rc;
    GetClientRect(handle_, &rc);
    SetBkColor(dc, ColorToRGB(Color()));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    RECT line{rc.left, rc.top, rc.right, rc.top + 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace fw
