#pragma once
// Hidden top-level windows that exist only to receive messages (timers, tray notices,
// broadcasts), each with its own handler.
#include <windows.h>

#include <functional>

namespace fw {

using TWndMethod = std::function<LRESULT(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)>;

// A hidden top-level window (so that broadcasts reach it) whose messages go to the
// handler. Exceptions from the handler end it and show the error box.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND wnd);

// Places a handler in front of a window's own message handler; removed in any order.
class TWindowHook {
public:
    using Method = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled)>;
    TWindowHook() = default;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    ~TWindowHook() { Remove(); }

    void Install(HWND wnd, Method method);
    void Remove();
    bool Installed() const { return wnd_ != nullptr; }
    // Passes a message on to the handlers behind this hook.
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND wnd_ = nullptr;
    Method method_;
};

}  // namespace fw
