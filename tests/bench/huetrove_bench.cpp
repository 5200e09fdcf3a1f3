// Huetrove's figures beside those of a minimal Win32 program built by the same build,
// measured in the same run: start-up to a shown and painted window, memory after
// start-up and after many picks and chart switches, the latency of a pick, and the
// sizes of what ships. Prints a Markdown table; it is a report, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Harness.h"
#include "HuetroveWindow.h"
#include "framework/DpiScale.h"
#include "palettes/PaletteCatalogue.h"
#include "palettes/PaletteCells.h"
#include "palettes/PaletteImage.h"
#include "palettes/PaletteLayout.h"

using namespace e2e;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kStartRuns = 7;
constexpr int kPicks = 1000;
constexpr int kSwitches = 1000;
constexpr int kLatencyPicks = 50;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    std::string exe;
    std::string caption;
    // A client point that shows the face colour once the window has painted (Wine
    // shows a window that has not painted yet as black).
    POINT paintedAt;
};

struct Started {
    std::optional<Process> process;
    HWND window = nullptr;
    double ms = 0;
};

// From process start until the window is shown and painted, polled every millisecond.
Started Start(const Program& program) {
    Started s;
    const auto begin = Clock::now();
    s.process.emplace(Process::Launch(program.exe, {}, ProgramDirectory()));
    const DWORD id = s.process->Id();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const bool ok = WaitUntil(
        [&] {
            if (!s.window)
                s.window = FindTopLevelWindow(id, {.caption = program.caption, .visibleOnly = true});
            return s.window && ReadPixel(ClientToScreenPoint(s.window, program.paintedAt)) == face;
        },
        30s, 1ms);
    s.ms = MsSince(begin);
    if (!ok)
        std::fprintf(stderr, "%s did not show a painted window\n", program.exe.c_str());
    s.process->WaitForInputIdle(10s);
    return s;
}

std::string FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return "not built";
    const unsigned long long bytes = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    char text[64];
    std::snprintf(text, sizeof text, "%.0f KB", static_cast<double>(bytes) / 1024.0);
    return text;
}

std::string Kb(unsigned long long kb) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(kb) / 1024.0);
    return text;
}

std::string Ratio(double a, double b) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", b > 0 ? a / b : 0.0);
    return text;
}

std::string Number(double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f %s", value, unit);
    return text;
}

std::string Objects(const ProcessResources& r) {
    return std::to_string(r.gdiObjects) + " / " + std::to_string(r.userObjects) + " / " + std::to_string(r.handles);
}

void Row(const std::string& figure, const std::string& huetrove, const std::string& minimal, const std::string& ratio) {
    std::printf("| %s | %s | %s | %s |\n", figure.c_str(), huetrove.c_str(), minimal.c_str(), ratio.c_str());
}

class ChartDriver {
public:
    ChartDriver(HWND main, int dpi) : main_(main), dpi_(dpi) {}

    // Shows a chart by posting its key, as the keyboard would deliver it.
    void PostChartKey(int functionKey) const {
        const WPARAM key = static_cast<WPARAM>(VK_F1 + functionKey - 1);
        PostMessageA(main_, WM_KEYDOWN, key, 1);
        PostMessageA(main_, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
    int ClientHeightFor(const palettes::PaletteEntry& entry) const {
        const palettes::ChartFrame frame = palettes::FrameForDpi(dpi_);
        return palettes::FitWindow(false, frame.panelTop, palettes::ChartImageSize(entry, dpi_).height, dpi_)
            .clientHeight;
    }
    bool WaitForChart(const palettes::PaletteEntry& entry) const {
        const int height = ClientHeightFor(entry);
        return WaitUntil([&] { return ClientSize(main_).cy == height; }, 60s);
    }
    HWND ShownChart() const { return ShownChartOf(main_); }
    static void PostClick(HWND target, POINT client) {
        const LPARAM at = MAKELPARAM(client.x, client.y);
        PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(target, WM_LBUTTONUP, 0, at);
    }

private:
    HWND main_;
    int dpi_;
};

// The palette entry the n-th of F2..F8 shows; consecutive keys always change the chart.
const palettes::PaletteEntry& EntryOfKey(int functionKey) {
    for (const palettes::PaletteEntry& e : palettes::PaletteCatalogue()) {
        if (!e.shortcut.ctrl && e.shortcut.functionKey == functionKey)
            return e;
    }
    return palettes::PaletteCatalogue().front();
}

}  // namespace

int main() {
    const std::string dir = ProgramDirectory();
    const int dpi = ScreenDpi();
    const Program huetrove{ProgramPath(), kMainCaption, POINT{fw::ScaleToDpi(25, dpi), fw::ScaleToDpi(38, dpi)}};
    const Program minimal{dir + "\\minimal_window.exe", "Minimal window", POINT{150, 150}};
    DeleteRegistryKey(kSettingsKey);

    // Start-up: the two programs in turn, so both meet the same machine.
    std::vector<double> huetroveStarts, minimalStarts;
    ProcessResources minimalAtStart, huetroveAtStart, huetroveAfter;
    for (int run = 0; run < kStartRuns; ++run) {
        Started m = Start(minimal);
        minimalStarts.push_back(m.ms);
        if (run == kStartRuns - 1)
            minimalAtStart = MeasureResources(m.process->Handle());
        m.process->Terminate();
        Started h = Start(huetrove);
        huetroveStarts.push_back(h.ms);
        if (run != kStartRuns - 1) {
            h.process->Terminate();
            continue;
        }
        huetroveAtStart = MeasureResources(h.process->Handle());

        // Many chart switches, then many picks, all posted as the system posts input.
        ChartDriver charts(h.window, dpi);
        for (int i = 0; i < kSwitches; ++i)
            charts.PostChartKey(2 + i % 7);
        const palettes::PaletteEntry& last = EntryOfKey(2 + (kSwitches - 1) % 7);
        if (!charts.WaitForChart(last))
            std::fprintf(stderr, "the chart switches did not end on %s\n", std::string(last.identifier).c_str());
        HWND chart = charts.ShownChart();
        const int pitch = palettes::ChartPitch(last.group, dpi);
        for (int i = 0; i < kPicks; ++i)
            ChartDriver::PostClick(chart, POINT{(i % last.columns) * pitch + pitch / 2, pitch / 2});
        // Posted messages are handled in order: once this key shows its chart, every pick has run.
        const int after = 2 + kSwitches % 7;
        charts.PostChartKey(after);
        if (!charts.WaitForChart(EntryOfKey(after)))
            std::fprintf(stderr, "the picks did not finish\n");
        huetroveAfter = MeasureResources(h.process->Handle());

        // Latency of a pick. The pointer stays on one spot (Wine reports a moved pointer
        // to the program a moment late), and two charts whose cells there differ take
        // turns: each is shown first, then the click is posted and the HTML box watched.
        const palettes::PaletteEntry& hues = EntryOfKey(2);
        const palettes::PaletteEntry& safe = EntryOfKey(3);
        const int spotPitch = palettes::ChartPitch(hues.group, dpi);
        const POINT spot{5 * spotPitch + spotPitch / 2, 3 * spotPitch + spotPitch / 2};  // row 3, column 5
        auto colourAt = [&](const palettes::PaletteEntry& entry) {
            const std::uint32_t rgb = palettes::PaletteCellColors(entry)[static_cast<size_t>(3 * entry.columns + 5)];
            return HtmlOf(RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF));
        };
        charts.PostChartKey(2);
        charts.WaitForChart(hues);
        MoveMouse(ClientToScreenPoint(charts.ShownChart(), spot));
        WaitUntil([] { return false; }, 300ms);
        HWND htmlBox = ChildAt(h.window, POINT{fw::ScaleToDpi(57, dpi), fw::ScaleToDpi(20, dpi)});
        std::vector<double> latencies;
        for (int i = 0; i < kLatencyPicks; ++i) {
            const palettes::PaletteEntry& entry = i % 2 ? safe : hues;
            charts.PostChartKey(entry.shortcut.functionKey);
            charts.WaitForChart(entry);
            const std::string want = colourAt(entry);
            // The pick reads the screen: the chart must have painted before the click.
            const POINT onScreen = ClientToScreenPoint(charts.ShownChart(), spot);
            WaitUntil([&] { return HtmlOf(ReadPixel(onScreen)) == want; }, 5s, 1ms);
            const auto begin = Clock::now();
            ChartDriver::PostClick(charts.ShownChart(), spot);
            if (WaitUntil([&] { return WindowText(htmlBox) == want; }, 2s, 0ms))
                latencies.push_back(MsSince(begin));
        }

        std::printf("| Figure | Huetrove | Minimal Win32 program | Ratio |\n|---|---|---|---|\n");
        Row("Start-up to the window shown and painted, median of " + std::to_string(kStartRuns),
            Number(Median(huetroveStarts), "ms"), Number(Median(minimalStarts), "ms"),
            Ratio(Median(huetroveStarts), Median(minimalStarts)));
        Row("Working set after start-up", Kb(huetroveAtStart.workingSetKb), Kb(minimalAtStart.workingSetKb),
            Ratio(static_cast<double>(huetroveAtStart.workingSetKb), static_cast<double>(minimalAtStart.workingSetKb)));
        Row("Private bytes after start-up", Kb(huetroveAtStart.privateKb), Kb(minimalAtStart.privateKb),
            Ratio(static_cast<double>(huetroveAtStart.privateKb), static_cast<double>(minimalAtStart.privateKb)));
        Row("Working set after " + std::to_string(kPicks) + " picks and " + std::to_string(kSwitches) +
                " chart switches",
            Kb(huetroveAfter.workingSetKb), Kb(minimalAtStart.workingSetKb) + " (after start-up)",
            Ratio(static_cast<double>(huetroveAfter.workingSetKb), static_cast<double>(minimalAtStart.workingSetKb)));
        Row("Private bytes after the picks and switches", Kb(huetroveAfter.privateKb),
            Kb(minimalAtStart.privateKb) + " (after start-up)",
            Ratio(static_cast<double>(huetroveAfter.privateKb), static_cast<double>(minimalAtStart.privateKb)));
        Row("GDI / USER objects / handles after start-up", Objects(huetroveAtStart), Objects(minimalAtStart), "");
        Row("GDI / USER objects / handles after the picks and switches", Objects(huetroveAfter), "", "");
        if (!latencies.empty()) {
            char text[96];
            std::snprintf(text, sizeof text, "%.1f ms median, %.1f ms max", Median(latencies),
                          *std::max_element(latencies.begin(), latencies.end()));
            Row("Pick latency, click posted to new HTML code, " + std::to_string(latencies.size()) + " picks", text,
                "", "");
        }
        Row("Executable size", FileSize(huetrove.exe), FileSize(minimal.exe), "");
        Row("Installer size", FileSize(dir + "\\Huetrove-1.0-setup.exe"), "", "");
        Row("Portable zip size", FileSize(dir + "\\Huetrove-1.0-portable.zip"), "", "");
        std::printf("\nCounted at %d DPI. %s.\n", dpi, HowCounted(huetroveAfter).c_str());
        h.process->Terminate();
    }
    return 0;
}
