#include "Wait.h"

#include <windows.h>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration interval) {
    return WaitFor([&] { return condition(); }, timeout, interval);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

}  // namespace e2e
