#include "framework/Timer.h"

namespace fw {

namespace {
constexpr UINT_PTR kTimerId = 1;
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
    if (window_)
        KillTimer(window_->Handle(), kTimerId);
    if (!enabled_ || interval_ == 0)
        return;
    // The window that receives the ticks is made when the timer first runs: most
    // timers of a form are never switched on.
    if (!window_) {
        window_ = std::make_unique<TUtilityWindow>([this](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg != WM_TIMER)
                return DefWindowProcA(wnd, msg, wParam, lParam);
            if (OnTimer)
                OnTimer(this);
            return LRESULT{0};
        });
    }
    SetTimer(window_->Handle(), kTimerId, interval_, nullptr);
}

}  // namespace fw
