#pragma once
// The timer component: a tick at a set interval on the user-interface thread.
#include <windows.h>

#include <memory>

#include "framework/Component.h"
#include "framework/Types.h"
#include "framework/Window.h"

namespace fw {

// Ticks every Interval milliseconds while enabled; an interval of 0 never ticks.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    TNotifyEvent OnTimer;

private:
    void Update();

    std::unique_ptr<TUtilityWindow> window_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

}  // namespace fw
