#include "picker/ScreenCopy.h"

namespace huetrove {

fw::UniqueBitmap CopyScreen(const RECT& screenRect) {
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    HWND desktop = GetDesktopWindow();
    fw::WindowDC screen(desktop, true);
    if (!screen.Get() || width <= 0 || height <= 0)
        return {};
    fw::UniqueBitmap copy(CreateCompatibleBitmap(screen.Get(), width, height));
    fw::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    if (!copy || !memory)
        return {};
    HGDIOBJ old = SelectObject(memory.Get(), copy.Get());
    // CAPTUREBLT takes in layered windows too: everything the user sees.
    const BOOL copied =
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), screenRect.left, screenRect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory.Get(), old);
    if (!copied)
        return {};
    return copy;
}

}  // namespace huetrove
