#include "framework/Bevel.h"

#include "framework/Graphics.h"

namespace fw {

void TBevel::CreateHandle() {
    CreateOwnWindow(kBevelClass, 0);
}

void TBevel::Paint(HDC dc) {
    const RECT rc = ClientRect();
    FillSolid(dc, rc, ColorToRGB(Color()));
    RECT line{rc.left, rc.top, rc.right, rc.top + 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace fw
