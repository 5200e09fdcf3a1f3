#include "Wait.h"

#include <windows.h>

namespace harness {

bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration interval) {
    return WaitFor([&] { return condition(); }, timeout, interval);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop it was meant for
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& condition, Duration timeout, Duration interval) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(interval.count()), QS_ALLINPUT);
    }
}

}  // namespace harness
