#include "main/StartupMarks.h"

#include <windows.h>

// The table lies alone in a section of its own name, so that a measuring tool finds it
// in the running image through the section headers, and the program exports nothing.
// The values are performance-counter readings.
#if defined(_MSC_VER)
#pragma section(".hmarks", read, write)
#define HUETROVE_MARKS_SECTION __declspec(allocate(".hmarks"))
#else
#define HUETROVE_MARKS_SECTION __attribute__((section(".hmarks")))
#endif

namespace {

HUETROVE_MARKS_SECTION std::int64_t startupMarks[static_cast<int>(huetrove::TStartupMark::Count)] = {};

}  // namespace

namespace huetrove {

void MarkStartup(TStartupMark mark) {
    std::int64_t& slot = startupMarks[static_cast<int>(mark)];
    if (slot)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    slot = now.QuadPart;
}

}  // namespace huetrove
