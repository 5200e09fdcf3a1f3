#include "framework/UtilityWindow.h"

#include <commctrl.h>

#include "framework/Application.h"

namespace fw {

namespace {

constexpr char kMethodProp[] = "fw.Method";

LRESULT CALLBACK UtilityProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* method = static_cast<TWndMethod*>(GetPropA(wnd, kMethodProp));
    if (!method)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    return Guarded([&] { return (*method)(wnd, msg, wParam, lParam); });
}

}  // namespace

HWND AllocateHWnd(TWndMethod method) {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = UtilityProc;
        wc.hInstance = instance;
        wc.lpszClassName = "fwUtility";
        RegisterClassExA(&wc);
        registered = true;
    }
    HWND wnd =
        CreateWindowExA(WS_EX_TOOLWINDOW, "fwUtility", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (wnd)
        SetPropA(wnd, kMethodProp, new TWndMethod(std::move(method)));
    return wnd;
}

void DeallocateHWnd(HWND wnd) {
    if (!wnd)
        return;
    auto* method = static_cast<TWndMethod*>(RemovePropA(wnd, kMethodProp));
    DestroyWindow(wnd);
    delete method;
}

void TWindowHook::Install(HWND wnd, Method method) {
    Remove();
    method_ = std::move(method);
    if (SetWindowSubclass(wnd, &TWindowHook::Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        wnd_ = wnd;
}

void TWindowHook::Remove() {
    if (wnd_)
        RemoveWindowSubclass(wnd_, &TWindowHook::Proc, reinterpret_cast<UINT_PTR>(this));
    wnd_ = nullptr;
}

LRESULT TWindowHook::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return DefSubclassProc(wnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowHook::Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* hook = reinterpret_cast<TWindowHook*>(data);
    if (msg == WM_NCDESTROY) {
        // The window goes first: forget it, so that removing the hook later does nothing.
        RemoveWindowSubclass(wnd, &TWindowHook::Proc, reinterpret_cast<UINT_PTR>(hook));
        hook->wnd_ = nullptr;
        return DefSubclassProc(wnd, msg, wParam, lParam);
    }
    bool handled = false;
    LRESULT result = Guarded([&] { return hook->method_(msg, wParam, lParam, handled); });
    if (handled)
        return result;
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

}  // namespace fw
