#!/usr/bin/env bash
# Builds Huetrove and a minimal Win32 program, and reports their figures side by side,
# measured under Wine in a private display and prefix. With --write, also records the
# table and the machine it came from in BENCHMARKS.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build" --target huetrove_bench >/dev/null
session="$root/build/bench-session"
env_sh="$root/tests/support/wine-env.sh"
rounds=${HUETROVE_BENCH_RUNS:-10}
# A session of our own from the start: one left over from an interrupted run would
# carry its desktop's history.
"$env_sh" stop "$session" >/dev/null 2>&1 || true
"$env_sh" start "$session" >/dev/null
trap '"$env_sh" stop "$session" >/dev/null' EXIT
cd "$root/build"
exe="Z:${root//\//\\}\\build\\Huetrove.exe"
bench() { HUETROVE_EXE="$exe" HUETROVE_DIR="${exe%\\Huetrove.exe}" "$env_sh" wine "$session" "$root/build/huetrove_bench.exe" "$@"; }

# Wine's desktop keeps a window for every tray icon that came and went, and start-up
# slows as they pile up; so every round starts in a desktop of its own.
fresh_desktop() { "$env_sh" fresh "$session" >/dev/null; }

# Whether the machine was idle: the load average over the minute before the rounds, the
# highest between them and after them; any above half the cores counts as loaded.
load=$(cut -d' ' -f1 /proc/loadavg)
load_peak=$load
rounds_file="$root/build/bench-rounds.txt"
: >"$rounds_file"
# The first round records Huetrove's windows for the replay, afresh for this build.
rm -f "$root/build/bench-windows.txt"
# Each round: the warm-up program (unmeasured), then the minimal program, the library
# floor, Huetrove and the replay of Huetrove's windows, in that order, in a desktop of its own.
order="a warm-up program first (\`tests/bench/warm_up.cpp\`: a window and a tray icon, not measured, so that no measured program pays for waking the fresh desktop), then the minimal program, the library floor, Huetrove and the replay of Huetrove's windows with bare Win32 calls (\`tests/bench/window_replay.cpp\`)"
for ((i = 0; i < rounds; i++)); do
    fresh_desktop
    bench --round >>"$rounds_file"
    load_peak=$(awk -v a="$load_peak" -v b="$(cut -d' ' -f1 /proc/loadavg)" 'BEGIN { print (b > a ? b : a) }')
done
load_after=$(cut -d' ' -f1 /proc/loadavg)
# The rounds load the machine themselves (five Wine programs each, one after another), so
# whether something else ran is judged from the load before them; the peak is reported too.
condition=$(awk -v a="$load" -v n="$(nproc)" 'BEGIN { print (a < 0.5 * n ? "idle" : "loaded") }')
fresh_desktop
report=$(HUETROVE_BENCH_ROUNDS="$rounds_file" bench)
echo "$report"
table=$(echo "$report" | sed '/^| Start-up phase/,$d')
profile=$(echo "$report" | sed -n '/^| Start-up phase/,$p')
echo "$rounds rounds, each in a fresh desktop: $order."
echo "Machine $condition (load average $load before the rounds; with the benchmark's own programs, at most $load_peak between them and $load_after after them)."

if [ "${1:-}" = --write ]; then
    cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
    memory=$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
    wine_version=$("$env_sh" wine "$session" --version 2>/dev/null || echo unknown)
    {
        echo "# Benchmarks"
        echo
        echo "Measured by \`./scripts/bench.sh --write\` on $(date -u +%Y-%m-%d): Huetrove beside a minimal"
        echo "Win32 program (\`tests/bench/minimal_window.cpp\`: registers a class, shows one window and"
        echo "paints it) built by the same build, in the same run."
        echo
        echo "Machine: $cpu, $(nproc) cores, $memory; $(. /etc/os-release && echo "$PRETTY_NAME"); $wine_version"
        echo "in a virtual desktop on Xvfb. Programs built with $(x86_64-w64-mingw32-g++-posix --version | head -1),"
        echo "statically linked. The machine was **$condition** before the start-up rounds (one-minute load"
        echo "average $load, $(nproc) cores; any load of half the cores or more counts as loaded). The rounds"
        echo "load it themselves: with their own programs the load average reached at most $load_peak between"
        echo "them and $load_after after them."
        echo
        echo "Start-up: $rounds rounds, each in a fresh Wine desktop, each starting $order."
        echo "The start-up ratios are medians of the rounds' own ratios, from the same rounds for the"
        echo "minimal program and the library floor."
        echo
        echo "$table"
        echo
        echo "## What the executable's bytes are"
        echo
        echo "From the linker's map of the Release build (\`tests/bench/exe_bytes.py\`):"
        echo
        python3 "$root/tests/bench/exe_bytes.py" "$root/build/Huetrove.map" "$root/build/Huetrove.exe"
        echo
        echo "The C++ runtime part is what std::string, std::vector, std::function and exceptions need"
        echo "(string instances, the exception classes, unwinding, RTTI); the C runtime part includes the"
        echo "threads library, which the runtime's exception support links in under the posix thread model."
        echo "Left out on purpose: the runtime's verbose terminate handler (and with it the C++ name"
        echo "demangler, 45 KB) and the printf engine (25 KB)."
        echo
        echo "## Where the extra memory goes"
        echo
        echo "The second table sets Huetrove beside a library floor (\`tests/bench/library_floor.cpp\`): the"
        echo "minimal program's window with what Huetrove's controls need from the system and nothing more,"
        echo "that is the same manifest (common controls in version 6, for the themed buttons, check boxes"
        echo "and combo box), one tooltip, one rich edit box and one tray icon. Under Wine those libraries"
        echo "alone take nearly all of the allowance over the minimal program, in start-up time as in memory:"
        echo
        echo "- Wine's common controls library registers all its classes as it is loaded, and its tooltip"
        echo "  class then loads the information, warning and error icons at 256 by 256 pixels in 32 bits:"
        echo "  768 KB of private memory, however little of the library a program uses (found by reading"
        echo "  the three 256 KB blocks of a running Huetrove back as pictures)."
        echo "- The rich edit library with the OLE libraries it imports, and the shell library with its"
        echo "  helpers, add their code and data pages to the working set."
        echo
        echo "Huetrove's own share is what it holds over the floor, about 0.15 MB private and 0.7 MB of"
        echo "working set at 96 DPI:"
        echo
        echo "- the 24-bit bitmap of the chart on show, 68 KB for the tallest chart (hidden charts keep no"
        echo "  bitmap, and the picking window's copy of the screen exists only while a pick is on);"
        echo "- a second 64 KB step of the C runtime's heap, taken by the controls' own allocations in the"
        echo "  system libraries (four rich edit boxes, the combo box, the buttons): Huetrove's own C++"
        echo "  objects come to 35 KB, and moving them off that heap in a trial build left it unchanged;"
        echo "- the program's icon in the sizes its windows show, and the picking cursor;"
        echo "- the touched pages of its own image (about 0.1 MB) and, in Wine's own heap, the share of its"
        echo "  50 windows and 200 GDI objects. Wine keeps a device context for every window that has"
        echo "  painted, up to 64, where Windows draws on a shared cache, so every window counts for more"
        echo "  there."
        echo
        echo "The colour dialog's library is loaded when the dialog is first used: at start-up it cost about"
        echo "5 MB of working set, since under Wine it brings the printing support."
        echo
        echo "## Start-up, phase by phase"
        echo
        echo "After (this build; times from process creation, medians of the rounds):"
        echo
        echo "$profile"
        echo
        echo "The replay (\`tests/bench/window_replay.cpp\`) starts in every round after Huetrove, in the same"
        echo "desktop. It reads the list of windows that the benchmark took from the running program (class,"
        echo "styles, place, size, text, parent or owner, in the order the program makes them) and makes the"
        echo "same windows with bare Win32 calls, in the same order and with the same manifest: it loads the"
        echo "rich edit library from the system folder, gives every control the program's font, adds the tray"
        echo "icon and changes its tip twice, shows the main window and stamps the same marks. It draws no"
        echo "chart and has no menu bar (Wine cannot read another process's menus). Its phases are the"
        echo "system's cost of the windows that the program must have made at start-up; the column \"The"
        echo "program's own\" is the rest. A phase's share can come out below zero where the replay does a"
        echo "step earlier than the program (the tray tip changes fall in the settings phase there and in"
        echo "the picking phase here)."
        echo
        echo "What is the system's in each phase:"
        echo
        echo "- process start to WinMain: the loader and the libraries, as for the replay and the floor; a"
        echo "  loader trace of each shows the same libraries in the same order and time. The difference in"
        echo "  this row comes from the order of the round: the program that starts right after the library"
        echo "  floor reaches WinMain later, whichever it is. With the replay started before Huetrove in a"
        echo "  trial run (rounds 2 to 10; the first had no list of windows yet), the replay took 123 to 158 ms"
        echo "  to WinMain and Huetrove 87 to 137 ms."
        echo "- charts drawn: the rich edit library, the application window, the main window and the 22"
        echo "  windows of its description with their fonts. The program's own share is drawing the chart"
        echo "  on show and building the menus."
        echo "- settings loaded, picking window built: adding the tray icon and changing its tip, and one"
        echo "  hidden top-level window; the program reads six registry values and sets four texts."
        echo "- About and Preferences built: their windows; the editable drop-down combo box of Preferences"
        echo "  makes two more windows and opens a theme for each."
        echo "- first paint: showing the main window, the application window's taskbar button, and painting"
        echo "  the visible controls; Wine checks its display settings for every device context it hands"
        echo "  out."
        echo
        echo "Before the work on fewer wineserver round trips:"
        echo
        sed -n '/^| Start-up phase/,/^| Windows/p' "$root/tests/bench/baseline-round-trips.md"
        echo
        echo "Why it changed: under Wine every window-property look-up is a round trip to the wineserver,"
        echo "and the system's subclassing looks its data up in a property on every message. The standard"
        echo "controls are now bound through GWLP_USERDATA with their own procedure behind the framework's,"
        echo "the hooks of the tray icon and the session end run from the framework's own window procedure,"
        echo "the main window is activated once at start-up, and controls are no longer moved onto the place"
        echo "they already have. Window-property requests in the first seconds fell from 338 to 42 (traced"
        echo "with the wineserver's request log)."
        echo
        echo "Before the work on a lean framework:"
        echo
        sed -n '/^| Start-up phase/,/^| Windows/p' "$root/tests/bench/baseline.md"
        echo
        echo "Why it changed: the framework finds a window's object in GWLP_USERDATA instead of a window"
        echo "property (a round trip to the wineserver under Wine, on every message); the colour dialog's"
        echo "library is no longer loaded at start; the tray icon is not asked to change before it is added;"
        echo "the icon timer makes no window while cycling is off; tooltips are made after the first paint;"
        echo "labels measure their text once, on a memory DC (so the windows of forms not yet shown keep"
        echo "no device context), and the combo box is placed once; only the chart on show is drawn. The"
        echo "whole table before the work:"
        echo
        sed -n '/^| Figure/,/^| Portable/p' "$root/tests/bench/baseline.md"
        echo
        echo "How the figures are taken:"
        echo
        echo "- Start-up runs from process start until the window is visible and its face colour shows at a"
        echo "  point of its client area (Wine shows a window that has not painted yet as black), polled every"
        echo "  millisecond; the programs start in turn, once per round, and every round starts in a"
        echo "  fresh Wine desktop (Wine's desktop keeps a window for every tray icon that came and went,"
        echo "  and start-up slows as they pile up). The first program in a fresh desktop pays for waking"
        echo "  it, so an unmeasured warm-up program starts first."
        echo "- The phases of start-up are stamped by the program itself with the performance counter (one"
        echo "  counter read each, always on); the benchmark reads the table from the running program"
        echo "  at its section (\".hmarks\") and sets it against the moment it created the process."
        echo "- The picks and chart switches are posted to the program as the system posts input: chart keys"
        echo "  F2 to F8 in turn, then clicks on the chart; a last chart key, handled after every click,"
        echo "  marks the end."
        echo "- Pick latency runs from posting the click to the chart until the HTML box holds the new code,"
        echo "  read from outside; it includes the two processes' message traffic."
        echo "- Wine does not count a process's GDI and USER objects or handles: the GDI figure counts the"
        echo "  live entries of the process's own GDI handle table (stock objects included), the USER figure"
        echo "  its windows, and the handle figure the handle values that can be duplicated. On Windows the"
        echo "  system's own counts are used. Private bytes are the process's committed private memory."
        echo "- The library floor starts in every round too, between the minimal program and Huetrove, in the"
        echo "  same desktop; its memory is read as Huetrove's is, in the last round. A ratio of start-up"
        echo "  times is the median of the rounds' own ratios, not the ratio of the medians."
    } >"$root/BENCHMARKS.md"
    echo "wrote $root/BENCHMARKS.md"
fi
