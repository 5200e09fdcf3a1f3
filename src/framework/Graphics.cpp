#include "framework/Graphics.h"

#include "framework/Handles.h"

namespace fw {

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
    UniqueMemoryDC memory(CreateCompatibleDC(dc));
    HGDIOBJ old = SelectObject(memory.Get(), bitmap);
    BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    SelectObject(memory.Get(), old);
}

}  // namespace fw
