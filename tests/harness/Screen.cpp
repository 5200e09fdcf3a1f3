#include "Screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

namespace harness {

namespace {

// The tests read and click real screen pixels, like the program they drive: the
// harness is aware of each monitor's DPI too, where the system knows the call.
const bool kDpiAware = [] {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto set = user32 ? reinterpret_cast<SetContextFn>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")))
                      : nullptr;
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    return (set && set(perMonitorV2)) || SetProcessDPIAware();
}();

class DesktopDc {
public:
    DesktopDc() : window_(GetDesktopWindow()), dc_(GetWindowDC(window_)) {}
    ~DesktopDc() { ReleaseDC(window_, dc_); }
    DesktopDc(const DesktopDc&) = delete;
    DesktopDc& operator=(const DesktopDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Copies the region into 24-bit bottom-up rows, the layout a BMP file stores.
std::vector<BYTE> CaptureRows(const RECT& rect, BITMAPINFOHEADER& header) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    header = BITMAPINFOHEADER{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    std::vector<BYTE> rows(header.biSizeImage);

    DesktopDc screen;
    HDC memory = CreateCompatibleDC(screen.Get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    const int copied = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), rows.data(),
                                 reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    if (copied != height) {
        rows.clear();
    }
    return rows;
}

}  // namespace

int ScreenDpi() {
    (void)kDpiAware;
    DesktopDc desktop;
    return GetDeviceCaps(desktop.Get(), LOGPIXELSY);
}

COLORREF ReadPixel(POINT screenPoint) {
    DesktopDc screen;
    return GetPixel(screen.Get(), screenPoint.x, screenPoint.y);
}

int WrongScreenPixels(POINT origin, SIZE size, const std::function<std::uint32_t(int x, int y)>& want,
                      Duration timeout) {
    int wrong = 0;
    WaitUntil(
        [&] {
            wrong = 0;
            DesktopDc screen;
            for (int y = 0; y < size.cy; ++y) {
                for (int x = 0; x < size.cx; ++x) {
                    const std::uint32_t rgb = want(x, y);
                    const COLORREF colour = RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF);
                    wrong += GetPixel(screen.Get(), origin.x + x, origin.y + y) != colour;
                }
            }
            return wrong == 0;
        },
        timeout, 200ms);
    return wrong;
}

bool SaveScreenshot(const RECT& screenRect, const std::string& path) {
    if (screenRect.right <= screenRect.left || screenRect.bottom <= screenRect.top) {
        return false;
    }
    BITMAPINFOHEADER header;
    const std::vector<BYTE> rows = CaptureRows(screenRect, header);
    if (rows.empty()) {
        return false;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
    return static_cast<bool>(out);
}

void SaveScreenOnFailure(const std::string& suffix) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    if (!info || !testing::Test::HasFailure())
        return;
    std::string name = info->name();
    std::ranges::replace(name, '/', '-');  // a parameterised case's number
    SaveScreenshot({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, name + suffix + "-failure.bmp");
}

}  // namespace harness
