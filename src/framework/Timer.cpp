#include "framework/Timer.h"

#include "framework/UtilityWindow.h"

namespace fw {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    window_ = AllocateHWnd([this](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg == WM_TIMER) {
            if (OnTimer)
                OnTimer(this);
            return 0;
        }
        return DefWindowProcA(wnd, msg, wParam, lParam);
    });
    Update();
}

TTimer::~TTimer() {
    KillTimer(window_, kTimerId);
    DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned interval) {
    interval_ = interval;
    Update();
}

void TTimer::Update() {
    KillTimer(window_, kTimerId);
    if (enabled_ && interval_ != 0)
        SetTimer(window_, kTimerId, interval_, nullptr);
}

}  // namespace fw
