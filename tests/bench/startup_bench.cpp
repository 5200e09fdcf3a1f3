// Start-up time, memory and handles of the real program, reported as figures: how long
// from starting Huetrove.exe until its main window shows and answers, its working set
// and handle counts then, and the same counts after many chart switches (a leak shows
// as growth).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Harness.h"
#include "HuetroveWindow.h"

using namespace e2e;

namespace {

struct Figures {
    double startMs = 0;
    SIZE_T workingSetKb = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
};

Figures Measure(HANDLE process) {
    Figures f;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters))
        f.workingSetKb = counters.WorkingSetSize / 1024;
    f.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    f.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    return f;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    constexpr int kRuns = 5;
    constexpr int kSwitches = 200;
    std::vector<double> starts;
    Figures atStart;
    Figures afterSwitches;
    for (int run = 0; run < kRuns; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        Huetrove app(ProgramDirectory());
        const auto end = std::chrono::steady_clock::now();
        starts.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
        if (run == kRuns - 1) {
            atStart = Measure(app.process().Handle());
            // F1 hides and shows the web colours; F3 switches to another chart and back.
            for (int i = 0; i < kSwitches; ++i)
                app.Press({static_cast<WORD>(i % 2 ? VK_F3 : VK_F1)});
            WaitUntil([] { return false; }, std::chrono::milliseconds(500));  // let the keys be handled
            afterSwitches = Measure(app.process().Handle());
        }
    }
    std::printf("start-up to a responsive main window, median of %d: %.0f ms (min %.0f, max %.0f)\n", kRuns,
                Median(starts), *std::min_element(starts.begin(), starts.end()),
                *std::max_element(starts.begin(), starts.end()));
    std::printf("working set after start-up: %zu KB\n", static_cast<size_t>(atStart.workingSetKb));
    std::printf("after %d chart keys: working set %zu KB\n", kSwitches,
                static_cast<size_t>(afterSwitches.workingSetKb));
    // Wine does not count a process's GDI and USER objects; Windows does.
    if (atStart.gdiObjects + atStart.userObjects > 0) {
        std::printf("GDI / USER objects after start-up: %lu / %lu; after the keys: %lu / %lu\n", atStart.gdiObjects,
                    atStart.userObjects, afterSwitches.gdiObjects, afterSwitches.userObjects);
    } else {
        std::printf("GDI / USER object counts: not reported by this system\n");
    }
    return 0;
}
