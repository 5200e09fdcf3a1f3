#include "main/StartupMarks.h"

#include <windows.h>

// Exported under a fixed name so that a measuring tool can find it in the running
// image; the values are performance-counter readings.
extern "C" __declspec(dllexport) std::int64_t HuetroveStartupMarks[static_cast<int>(huetrove::TStartupMark::Count)];
std::int64_t HuetroveStartupMarks[static_cast<int>(huetrove::TStartupMark::Count)];

namespace huetrove {

void MarkStartup(TStartupMark mark) {
    std::int64_t& slot = HuetroveStartupMarks[static_cast<int>(mark)];
    if (slot)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    slot = now.QuadPart;
}

}  // namespace huetrove
