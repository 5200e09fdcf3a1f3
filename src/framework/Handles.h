#pragma once
// Owning wrappers for handles that must be released, so every release path is visible
// at a glance and no early return leaks one.
#include <windows.h>

#include <cstddef>
#include <utility>

namespace fw {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    // cppcheck-suppress noExplicitConstructor ; `handle = nullptr` and `return nullptr` read as for pointers
    UniqueHandle(std::nullptr_t) {}
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o)
            Reset(std::exchange(o.h_, H{}));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H Release() { return std::exchange(h_, H{}); }
    void Reset(H h = H{}) {
        if (h_ != H{})
            Traits::Close(h_);
        h_ = h;
    }

private:
    H h_{};
};

struct GdiObjectTraits {
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static void Close(HICON h) { DestroyIcon(h); }
};
struct CursorTraits {
    static void Close(HCURSOR h) { DestroyCursor(h); }
};
struct MenuTraits {
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct MemoryDCTraits {
    static void Close(HDC h) { DeleteDC(h); }
};
struct KeyTraits {
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct KernelHandleTraits {
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct GlobalMemoryTraits {
    static void Close(HGLOBAL h) { GlobalFree(h); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueKey = UniqueHandle<HKEY, KeyTraits>;
// A file, stream or other kernel object (never INVALID_HANDLE_VALUE: test before owning).
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;
// A memory device context made to draw into or copy from a bitmap.
using UniqueMemoryDC = UniqueHandle<HDC, MemoryDCTraits>;

// A window's device context, released with the window it came from; a null window
// gives the screen's.
class WindowDC {
public:
    explicit WindowDC(HWND wnd, bool wholeWindow = false)
        : wnd_(wnd), dc_(wholeWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_)
            ReleaseDC(wnd_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// A window's painting, begun at WM_PAINT and ended however the paint goes: a paint that
// fails still gives back its device context and shows the caret again.
class PaintDC {
public:
    explicit PaintDC(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    // Even when the paint could not begin: it hid the caret all the same.
    ~PaintDC() { EndPaint(wnd_, &ps_); }
    HDC Get() const { return dc_; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace fw
