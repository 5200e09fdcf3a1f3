// Huetrove's figures beside those of a minimal Win32 program built by the same build,
// measured in the same run: start-up to a shown and painted window, memory after
// start-up and after many picks and chart switches, the latency of a pick, and the
// sizes of what ships. Prints a Markdown table; it is a report, not a test.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"
#include "HuetroveDriver.h"
#include "framework/DpiScale.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartCellColors.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartLayout.h"

using namespace harness;
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
    LARGE_INTEGER launchedAt{};
};

// The moments of start-up that Huetrove stamps (the table alone in its section
// ".hmarks"), in its order.
constexpr std::array<const char*, 8> kMarkNames = {
    "process start to WinMain", "charts drawn",       "main window built",        "settings loaded",
    "picking window built",     "About window built", "Preferences window built", "first paint of the main window"};
using Marks = std::array<double, kMarkNames.size()>;

// Where the marks' section starts, relative to the image; 0 when there is none.
std::uintptr_t MarksSectionAddress(HMODULE image) {
    const auto* base = reinterpret_cast<const char*>(image);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        const auto* name = reinterpret_cast<const char*>(section->Name);
        if (std::string_view(name, strnlen(name, IMAGE_SIZEOF_SHORT_NAME)) == ".hmarks")
            return section->VirtualAddress;
    }
    return 0;
}

// Milliseconds from the launch to each mark, read from the running program: the table's
// place is its section's address in the program's image, which may be loaded anywhere.
std::optional<Marks> ReadMarks(const Started& s, const std::string& exe) {
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image)
        return std::nullopt;
    const std::uintptr_t rva = MarksSectionAddress(image);
    FreeLibrary(image);
    HMODULE modules[1]{};
    DWORD needed = 0;
    if (!rva || !EnumProcessModules(s.process->Handle(), modules, sizeof modules, &needed) || !modules[0])
        return std::nullopt;
    std::array<std::int64_t, kMarkNames.size()> counts{};
    SIZE_T read = 0;
    if (!ReadProcessMemory(s.process->Handle(), reinterpret_cast<const char*>(modules[0]) + rva, counts.data(),
                           sizeof counts, &read) ||
        read != sizeof counts)
        return std::nullopt;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    Marks marks{};
    for (size_t i = 0; i < counts.size(); ++i)
        marks[i] = counts[i] ? static_cast<double>(counts[i] - s.launchedAt.QuadPart) * 1000.0 /
                                   static_cast<double>(frequency.QuadPart)
                             : -1.0;
    return marks;
}

// Huetrove's windows as the replay recreates them, one line each, grouped by the top-level
// window they belong to in the order the program makes them: the application window, the
// main window, the tray's helper window, the picking window, About, Preferences; then the
// rest (the system's own and those made after the first paint), which the replay leaves
// out. Per line: group, the parent's (or owner's) line or -1, class, class style, style,
// extended style, place and size (children in the parent's client area), font, menu bar
// items, background (a rich edit box's colour where it shows, else -1), text.
// Another process's font cannot be read, so a font is recorded as which of the program's
// fonts it is (1, 2, ... in the order met, 0 for none); under Wine the program's windows
// answer WM_GETFONT from outside with none, and the replay gives every child one font.
void RecordWindows(DWORD processId, const std::string& path) {
    struct Entry {
        HWND window;
        std::string group;
    };
    std::vector<Entry> entries;
    std::vector<HWND> others;
    auto addTree = [&](auto& self, HWND window, const std::string& group) -> void {
        entries.push_back({window, group});
        // The children of a standard control are the control's own making (a combo box's
        // edit field): only the program's own windows hold windows that the program made.
        if (!ClassName(window).starts_with("fw"))
            return;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            self(self, child, group);
    };
    const std::vector<HWND> tops = TopLevelWindows(processId);
    auto groupOf = [](HWND top) -> std::string {
        const std::string cls = ClassName(top), caption = Caption(top);
        if (cls == "fwApplication")
            return "application";
        if (cls == "fwUtility")
            return "tray";
        if (cls != "fwForm")
            return "other";
        if (caption == kMainCaption)
            return "main";
        if (caption == " About ...")
            return "about";
        if (caption == " Preferences ...")
            return "preferences";
        return "picking";
    };
    for (const char* group : {"application", "main", "tray", "picking", "about", "preferences", "other"})
        for (HWND top : tops)
            if (groupOf(top) == group)
                addTree(addTree, top, group);
    std::vector<HFONT> fonts;
    std::ofstream out(path);
    for (const Entry& e : entries) {
        const HWND window = e.window;
        const bool child = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
        const HWND parent = child ? GetParent(window) : GetWindow(window, GW_OWNER);
        long parentLine = -1;
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].window == parent)
                parentLine = static_cast<long>(i);
        RECT rc = WindowRect(window);
        if (child)
            MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        size_t fontId = 0;
        if (font) {
            fontId = static_cast<size_t>(std::find(fonts.begin(), fonts.end(), font) - fonts.begin()) + 1;
            if (fontId > fonts.size())
                fonts.push_back(font);
        }
        MENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        int menuItems = 0;
        while (!child && GetMenu(window) && GetMenuBarInfo(window, OBJID_MENU, menuItems + 1, &bar))
            ++menuItems;
        long background = -1;
        std::string cls = ClassName(window);
        if (cls.starts_with("RichEdit") && IsVisible(window))
            background = static_cast<long>(ReadPixel(ClientToScreenPoint(window, POINT{1, 1})));
        // UTF-8, as the replay reads it.
        std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        wide.resize(static_cast<size_t>(GetWindowTextW(window, wide.data(), static_cast<int>(wide.size()))));
        std::string text(wide.size() * 3, '\0');
        text.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                             text.data(), static_cast<int>(text.size()), nullptr,
                                                             nullptr)));
        std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        char line[512];
        std::snprintf(line, sizeof line, "%s\t%ld\t%s\t%lx\t%lx\t%lx\t%ld\t%ld\t%ld\t%ld\t%zu\t%d\t%ld\t", e.group.c_str(),
                      parentLine, cls.c_str(), static_cast<unsigned long>(GetClassLongW(window, GCL_STYLE)),
                      static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                      static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)), rc.left, rc.top,
                      rc.right - rc.left, rc.bottom - rc.top, fontId, menuItems, background);
        out << line << text << '\n';
    }
}

// From process start until the window is shown and painted, polled every millisecond.
Started Start(const Program& program) {
    Started s;
    QueryPerformanceCounter(&s.launchedAt);
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

std::string RatioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

std::string Ratio(double a, double b) {
    return RatioText(b > 0 ? a / b : 0.0);
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
    int ClientHeightFor(const palettes::ChartEntry& entry) const {
        const palettes::ChartFrame frame = palettes::FrameForDpi(dpi_);
        return palettes::FitWindow(false, frame.panelTop, palettes::ChartImageSize(entry, dpi_).height, dpi_)
            .clientHeight;
    }
    bool WaitForChart(const palettes::ChartEntry& entry) const {
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
const palettes::ChartEntry& EntryOfKey(int functionKey) {
    for (const palettes::ChartEntry& e : palettes::ChartCatalogue()) {
        if (!e.shortcut.ctrl && e.shortcut.functionKey == functionKey)
            return e;
    }
    return palettes::ChartCatalogue().front();
}

// One round of start-up: the warm-up program, unmeasured, then each program once: the
// minimal one, the library floor, Huetrove, the replay of Huetrove's windows.
struct Round {
    double minimalMs = 0;
    double floorMs = 0;
    double huetroveMs = 0;
    long windows = 0;
    Marks marks{};
    // The replay of Huetrove's windows with bare Win32 calls (window_replay.cpp).
    double replayMs = 0;
    Marks replayMarks{};
};

// The median of the rounds' own ratios: each pair met the same desktop and the same
// moment's load, so a slow round does not shift one side of the ratio alone.
double MedianRatio(const std::vector<Round>& rounds, double Round::*a, double Round::*b) {
    std::vector<double> ratios;
    for (const Round& r : rounds)
        if (r.*a > 0 && r.*b > 0)
            ratios.push_back(r.*a / r.*b);
    return ratios.empty() ? 0.0 : Median(ratios);
}

// The rounds that bench.sh ran, each in a desktop of its own, one line each.
std::vector<Round> ReadRounds(const char* path) {
    std::vector<Round> rounds;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Round r;
        fields >> r.minimalMs >> r.floorMs >> r.huetroveMs >> r.windows;
        for (double& mark : r.marks)
            fields >> mark;
        unsigned long long workingSetKb = 0, privateKb = 0;
        fields >> workingSetKb >> privateKb;
        if (!fields)
            continue;
        // Rounds from before the replay have no figures of it.
        fields >> r.replayMs;
        for (double& mark : r.replayMarks)
            fields >> mark;
        if (!fields)
            r = Round{r.minimalMs, r.floorMs, r.huetroveMs, r.windows, r.marks};
        rounds.push_back(r);
    }
    return rounds;
}

// Each program the bench starts, and the files it reads.
struct Programs {
    std::string dir = ProgramDirectory();
    int dpi = ScreenDpi();
    Program huetrove{ProgramPath(), kMainCaption, POINT{fw::ScaleToDpi(25, dpi), fw::ScaleToDpi(38, dpi)}};
    Program minimal{dir + "\\minimal_window.exe", "Minimal window", POINT{150, 150}};
    Program floor{dir + "\\library_floor.exe", "Library floor", POINT{150, 150}};
    Program warmUp{dir + "\\warm_up.exe", "Warm-up window", POINT{150, 150}};
    // The replay shows Huetrove's main window again, caption and controls alike; it reads
    // the windows from this file in its working folder, the program's.
    std::string windowsFile = dir + "\\bench-windows.txt";
    Program replay{dir + "\\window_replay.exe", kMainCaption, huetrove.paintedAt};

    // The first program to start in a fresh desktop wakes it: the warm-up, whose time is not kept.
    void WarmTheDesktop() const { Start(warmUp).process->Terminate(); }
};

// --round: one start of each program, printed as one line for the rounds file.
void PrintOneRound(const Programs& p) {
    p.WarmTheDesktop();
    Started m = Start(p.minimal);
    m.process->Terminate();
    Started f = Start(p.floor);
    f.process->Terminate();
    Started h = Start(p.huetrove);
    const ProcessResources resources = MeasureResources(h.process->Handle());
    const Marks marks = ReadMarks(h, p.huetrove.exe).value_or(Marks{});
    // The windows the replay makes, recorded once per session (bench.sh starts without).
    if (GetFileAttributesA(p.windowsFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        RecordWindows(h.process->Id(), p.windowsFile);
    h.process->Terminate();
    Started r = Start(p.replay);
    const Marks replayMarks = ReadMarks(r, p.replay.exe).value_or(Marks{});
    r.process->Terminate();
    std::printf("%.1f %.1f %.1f %ld", m.ms, f.ms, h.ms, resources.windows);
    for (double mark : marks)
        std::printf(" %.1f", mark);
    // Then the memory after start-up, for looking into it: working set, private (KB).
    std::printf(" %llu %llu", resources.workingSetKb, resources.privateKb);
    // Then the replay's start-up and its marks.
    std::printf(" %.1f", r.ms);
    for (double mark : replayMarks)
        std::printf(" %.1f", mark);
    std::printf("\n");
}

// Start-up of the programs in turn, so all meet the same machine, and their resources
// after the last start; Huetrove stays running.
struct StartUps {
    std::vector<Round> rounds;
    ProcessResources minimalAtStart, floorAtStart, huetroveAtStart;
    Started huetrove;
};

// Rounds run by bench.sh, each in a fresh desktop (HUETROVE_BENCH_ROUNDS), replace those
// run here; then one more start of each is measured.
StartUps MeasureStartUps(const Programs& p) {
    StartUps s;
    if (const char* file = std::getenv("HUETROVE_BENCH_ROUNDS"))
        s.rounds = ReadRounds(file);
    const bool ownRounds = s.rounds.empty();
    p.WarmTheDesktop();
    const int runs = ownRounds ? kStartRuns : 1;
    for (int run = 0; run < runs; ++run) {
        const bool lastRun = run == runs - 1;
        Started m = Start(p.minimal);
        if (lastRun)
            s.minimalAtStart = MeasureResources(m.process->Handle());
        m.process->Terminate();
        Started f = Start(p.floor);
        if (lastRun)
            s.floorAtStart = MeasureResources(f.process->Handle());
        f.process->Terminate();
        Started h = Start(p.huetrove);
        Round round{.minimalMs = m.ms, .floorMs = f.ms, .huetroveMs = h.ms};
        round.marks = ReadMarks(h, p.huetrove.exe).value_or(Marks{});
        if (lastRun) {
            s.huetroveAtStart = MeasureResources(h.process->Handle());
            round.windows = s.huetroveAtStart.windows;
            s.huetrove = std::move(h);
        } else {
            h.process->Terminate();
        }
        if (ownRounds)
            s.rounds.push_back(round);
    }
    return s;
}

// Many chart switches, then many picks, all posted as the system posts input; then what
// the program holds. Posted messages are handled in order, so a key's chart on show means
// that all posted before it have run; charts are told apart by the window's height, so
// each wait is for a chart of a height of its own that nothing still queued could show:
// F1 (the web colours) after the switches, which press F2..F8, and F7 after the picks.
ProcessResources SwitchAndPick(const Started& h, int dpi) {
    ChartDriver charts(h.window, dpi);
    for (int i = 0; i < kSwitches; ++i)
        charts.PostChartKey(2 + i % 7);
    const palettes::ChartEntry& picked = EntryOfKey(1);
    charts.PostChartKey(1);
    if (!charts.WaitForChart(picked))
        std::fprintf(stderr, "the chart switches did not end\n");
    HWND chart = charts.ShownChart();
    const int pitch = palettes::ChartPitch(picked.group, dpi);
    for (int i = 0; i < kPicks; ++i)
        ChartDriver::PostClick(chart, POINT{(i % picked.columns) * pitch + pitch / 2, pitch / 2});
    charts.PostChartKey(7);
    if (!charts.WaitForChart(EntryOfKey(7)))
        std::fprintf(stderr, "the picks did not finish\n");
    return MeasureResources(h.process->Handle());
}

// Latency of a pick. The pointer stays on one spot (Wine reports a moved pointer to the
// program a moment late), and two charts whose cells there differ take turns: each is
// shown first, then the click is posted and the HTML box watched.
std::vector<double> PickLatencies(HWND main, int dpi) {
    ChartDriver charts(main, dpi);
    const palettes::ChartEntry& hues = EntryOfKey(2);
    const palettes::ChartEntry& safe = EntryOfKey(3);
    const int spotPitch = palettes::ChartPitch(hues.group, dpi);
    const POINT spot{5 * spotPitch + spotPitch / 2, 3 * spotPitch + spotPitch / 2};  // row 3, column 5
    auto colourAt = [&](const palettes::ChartEntry& entry) {
        const std::uint32_t rgb = palettes::ChartCellColors(entry)[static_cast<size_t>(3 * entry.columns + 5)];
        return HtmlOf(RGB(rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF));
    };
    charts.PostChartKey(2);
    charts.WaitForChart(hues);
    if (!MoveMouse(ClientToScreenPoint(charts.ShownChart(), spot)))
        std::fprintf(stderr, "the pointer did not stay on the chart\n");
    WaitUntil([] { return false; }, 300ms);
    HWND htmlBox = ChildAt(main, POINT{fw::ScaleToDpi(57, dpi), fw::ScaleToDpi(20, dpi)});
    std::vector<double> latencies;
    int missed = 0;
    for (int i = 0; i < kLatencyPicks; ++i) {
        // The other chart first: a chart's own key hides it again.
        const palettes::ChartEntry& entry = i % 2 ? hues : safe;
        charts.PostChartKey(entry.shortcut.functionKey);
        charts.WaitForChart(entry);
        const std::string want = colourAt(entry);
        // The pick reads the screen: the chart must have painted before the click.
        const POINT onScreen = ClientToScreenPoint(charts.ShownChart(), spot);
        WaitUntil([&] { return HtmlOf(ReadPixel(onScreen)) == want; }, 5s, 1ms);
        const auto begin = Clock::now();
        ChartDriver::PostClick(charts.ShownChart(), spot);
        if (WaitUntil([&] { return WindowText(htmlBox) == want; }, 2s, 0ms)) {
            latencies.push_back(MsSince(begin));
        } else if (++missed == 1) {
            // What the first missed pick met, to tell a slow program from a pointer elsewhere.
            POINT pointer{};
            GetCursorPos(&pointer);
            std::fprintf(stderr,
                         "pick %d not seen within 2 s: wanted %s, the HTML box shows %s, the screen there %s; "
                         "pointer at %ld,%ld, the spot at %ld,%ld\n",
                         i, want.c_str(), WindowText(htmlBox).c_str(), HtmlOf(ReadPixel(onScreen)).c_str(),
                         pointer.x, pointer.y, onScreen.x, onScreen.y);
        }
    }
    return latencies;
}

// One figure of the rounds, those that were recorded (above zero) or all.
std::vector<double> Figures(const std::vector<Round>& rounds, double Round::*figure, bool recordedOnly = false) {
    std::vector<double> values;
    for (const Round& r : rounds)
        if (!recordedOnly || r.*figure > 0)
            values.push_back(r.*figure);
    return values;
}

// Huetrove beside the minimal program: start-up, memory, objects, the pick latency and sizes.
void PrintMainTable(const Programs& p, const StartUps& s, const ProcessResources& after,
                    const std::vector<double>& latencies) {
    const std::vector<Round>& rounds = s.rounds;
    const ProcessResources& huetroveAtStart = s.huetroveAtStart;
    const ProcessResources& minimalAtStart = s.minimalAtStart;
    std::printf("| Figure | Huetrove | Minimal Win32 program | Ratio |\n|---|---|---|---|\n");
    Row("Start-up to the window shown and painted, median of " + std::to_string(rounds.size()) +
            " rounds (ratio: median of the rounds' ratios)",
        Number(Median(Figures(rounds, &Round::huetroveMs)), "ms"),
        Number(Median(Figures(rounds, &Round::minimalMs)), "ms"),
        RatioText(MedianRatio(rounds, &Round::huetroveMs, &Round::minimalMs)));
    Row("Working set after start-up", Kb(huetroveAtStart.workingSetKb), Kb(minimalAtStart.workingSetKb),
        Ratio(static_cast<double>(huetroveAtStart.workingSetKb), static_cast<double>(minimalAtStart.workingSetKb)));
    Row("Private bytes after start-up", Kb(huetroveAtStart.privateKb), Kb(minimalAtStart.privateKb),
        Ratio(static_cast<double>(huetroveAtStart.privateKb), static_cast<double>(minimalAtStart.privateKb)));
    Row("Working set after " + std::to_string(kPicks) + " picks and " + std::to_string(kSwitches) + " chart switches",
        Kb(after.workingSetKb), Kb(minimalAtStart.workingSetKb) + " (after start-up)",
        Ratio(static_cast<double>(after.workingSetKb), static_cast<double>(minimalAtStart.workingSetKb)));
    Row("Private bytes after the picks and switches", Kb(after.privateKb),
        Kb(minimalAtStart.privateKb) + " (after start-up)",
        Ratio(static_cast<double>(after.privateKb), static_cast<double>(minimalAtStart.privateKb)));
    Row("GDI / USER objects / handles after start-up", Objects(huetroveAtStart), Objects(minimalAtStart), "");
    Row("GDI / USER objects / handles after the picks and switches", Objects(after), "", "");
    if (latencies.empty()) {
        Row("Pick latency, click posted to new HTML code", "no pick seen within 2 s", "", "");
    } else {
        char text[96];
        std::snprintf(text, sizeof text, "%.1f ms median, %.1f ms max", Median(latencies),
                      *std::max_element(latencies.begin(), latencies.end()));
        Row("Pick latency, click posted to new HTML code, " + std::to_string(latencies.size()) + " picks", text, "",
            "");
    }
    Row("Executable size", FileSize(p.huetrove.exe), FileSize(p.minimal.exe), "");
    Row("Installer size", FileSize(p.dir + "\\Huetrove-1.0-setup.exe"), "", "");
    Row("Portable zip size", FileSize(p.dir + "\\Huetrove-1.0-portable.zip"), "", "");
    std::printf("\nCounted at %d DPI. %s.\n", p.dpi, HowCounted(after).c_str());
}

// What the libraries that Huetrove's controls need cost on their own, and what Huetrove
// adds to them.
void PrintFloorTable(const StartUps& s) {
    const std::vector<Round>& rounds = s.rounds;
    std::printf("\n| After start-up | Huetrove | Library floor | Minimal program | Floor / minimal | "
                "Huetrove / floor |\n|---|---|---|---|---|---|\n");
    std::printf("| Start-up to the window shown and painted, median of %zu rounds (ratios: median of the "
                "rounds' ratios) | %s | %s | %s | %s | %s |\n",
                rounds.size(), Number(Median(Figures(rounds, &Round::huetroveMs)), "ms").c_str(),
                Number(Median(Figures(rounds, &Round::floorMs)), "ms").c_str(),
                Number(Median(Figures(rounds, &Round::minimalMs)), "ms").c_str(),
                RatioText(MedianRatio(rounds, &Round::floorMs, &Round::minimalMs)).c_str(),
                RatioText(MedianRatio(rounds, &Round::huetroveMs, &Round::floorMs)).c_str());
    auto floorRow = [](const char* figure, unsigned long long h, unsigned long long f, unsigned long long m) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", figure, Kb(h).c_str(), Kb(f).c_str(), Kb(m).c_str(),
                    Ratio(static_cast<double>(f), static_cast<double>(m)).c_str(),
                    Ratio(static_cast<double>(h), static_cast<double>(f)).c_str());
    };
    floorRow("Working set", s.huetroveAtStart.workingSetKb, s.floorAtStart.workingSetKb, s.minimalAtStart.workingSetKb);
    floorRow("Private bytes", s.huetroveAtStart.privateKb, s.floorAtStart.privateKb, s.minimalAtStart.privateKb);
}

// The start-up profile: the median time from process creation to each mark, and the same
// for the replay of the same windows; the difference is the program's own.
void PrintPhases(const std::vector<Round>& rounds) {
    std::printf("\n| Start-up phase (median of %zu) | Reached after | Phase took | Same windows, bare Win32: "
                "reached after | Same windows, bare Win32: phase took | The program's own |\n"
                "|---|---|---|---|---|---|\n",
                rounds.size());
    double previous = 0, replayPrevious = 0;
    for (size_t i = 0; i < kMarkNames.size(); ++i) {
        std::vector<double> at, replayAt;
        for (const Round& r : rounds) {
            at.push_back(r.marks[i]);
            replayAt.push_back(r.replayMarks[i]);
        }
        const double reached = Median(at);
        const double replayReached = Median(replayAt);
        if (reached < 0) {
            std::printf("| %s | not recorded | | | | |\n", kMarkNames[i]);
            continue;
        }
        std::printf("| %s | %.1f ms | %.1f ms |", kMarkNames[i], reached, reached - previous);
        if (replayReached > 0)
            std::printf(" %.1f ms | %.1f ms | %.1f ms |\n", replayReached, replayReached - replayPrevious,
                        (reached - previous) - (replayReached - replayPrevious));
        else
            std::printf(" not recorded | | |\n");
        previous = reached;
        replayPrevious = replayReached > 0 ? replayReached : replayPrevious;
    }
    std::vector<double> windows;
    for (const Round& r : rounds)
        if (r.windows > 0)
            windows.push_back(static_cast<double>(r.windows));
    if (!windows.empty())
        std::printf("| Windows of the process once the main window is painted | %.0f | | | | |\n", Median(windows));
}

// Start-up of the replay beside Huetrove's and the floor's, from the same rounds.
void PrintReplay(const std::vector<Round>& rounds) {
    const std::vector<double> replayStarts = Figures(rounds, &Round::replayMs, true);
    if (replayStarts.empty())
        return;
    std::printf("\n| Start-up to the window shown and painted, median of %zu rounds | Time | Ratio to the "
                "library floor (median of the rounds' ratios) |\n|---|---|---|\n",
                rounds.size());
    std::printf("| Huetrove | %s | %s |\n", Number(Median(Figures(rounds, &Round::huetroveMs)), "ms").c_str(),
                RatioText(MedianRatio(rounds, &Round::huetroveMs, &Round::floorMs)).c_str());
    std::printf("| Huetrove's windows, bare Win32 (`tests/bench/window_replay.cpp`) | %s | %s |\n",
                Number(Median(replayStarts), "ms").c_str(),
                RatioText(MedianRatio(rounds, &Round::replayMs, &Round::floorMs)).c_str());
    std::printf("| Library floor | %s | 1.00 |\n", Number(Median(Figures(rounds, &Round::floorMs)), "ms").c_str());
    // The program's own share of the time from WinMain to the first paint, paired by
    // round as the ratios are.
    std::vector<double> own;
    for (const Round& r : rounds)
        if (r.marks.front() > 0 && r.marks.back() > 0 && r.replayMarks.front() > 0 && r.replayMarks.back() > 0)
            own.push_back((r.marks.back() - r.marks.front()) - (r.replayMarks.back() - r.replayMarks.front()));
    if (!own.empty())
        std::printf("\nThe program's own share from WinMain to the first paint, median of the rounds' own "
                    "differences: %.1f ms.\n",
                    Median(own));
}

}  // namespace

int main(int argc, char** argv) {
    const Programs programs;
    DeleteRegistryKey(kSettingsKey);
    if (argc > 1 && std::string(argv[1]) == "--round") {
        PrintOneRound(programs);
        return 0;
    }
    StartUps startUps = MeasureStartUps(programs);
    const ProcessResources after = SwitchAndPick(startUps.huetrove, programs.dpi);
    const std::vector<double> latencies = PickLatencies(startUps.huetrove.window, programs.dpi);
    PrintMainTable(programs, startUps, after, latencies);
    PrintFloorTable(startUps);
    PrintPhases(startUps.rounds);
    PrintReplay(startUps.rounds);
    startUps.huetrove.process->Terminate();
    return 0;
}
