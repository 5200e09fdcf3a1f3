#include "Wait.h"

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration interval) {
    return WaitFor([&] { return condition(); }, timeout, interval);
}

}  // namespace e2e
