#pragma once
// Waiting for a condition with a deadline, never for a bare time.
#include <chrono>
#include <functional>
#include <thread>

namespace harness {

using Duration = std::chrono::milliseconds;
using namespace std::chrono_literals;

// Pause between two polls; short, so waits end soon after the condition holds.
inline constexpr Duration kPollInterval = 20ms;

// Polls `condition` until it holds or `timeout` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration interval = kPollInterval);

// Lets this thread's own windows paint and answer: handles the messages waiting for it.
void PumpMessages();
// WaitUntil for a thread with windows of its own: handles its messages between polls
// and wakes as soon as a new one comes.
bool PumpUntil(const std::function<bool()>& condition, Duration timeout, Duration interval = 10ms);

// Polls `probe` until it returns a value that tests true (a window handle, an
// optional) and returns it; returns the last (false) value at the deadline.
template <typename Probe>
auto WaitFor(Probe probe, Duration timeout, Duration interval = kPollInterval) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto value = probe();
        if (value || std::chrono::steady_clock::now() >= deadline) {
            return value;
        }
        std::this_thread::sleep_for(interval);
    }
}

}  // namespace harness
