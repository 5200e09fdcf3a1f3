#!/usr/bin/env bash
# Sets up, builds and runs every test tier: native unit tests and the cheap analysers
# (scripts/analyse.sh), then the Windows-side and end-to-end tests under Wine and Xvfb;
# then builds the program with clang and starts that build once, and builds it with a
# multi-configuration generator; last, builds what ships a second time elsewhere and checks
# that it gives the same bytes.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" || exit 1
status=0
ctest --test-dir "$root/build/unit" --output-on-failure || status=1
# The cheap analysers, a minute at most: the unit tests under clang's sanitizers, the fuzz
# targets, cppcheck over src/.
"$root/scripts/analyse.sh" || status=1
# Each test runs once: an input step that Wine's desktop drops is repeated inside the
# test, which says so in its output.
ctest --test-dir "$root/build" --output-on-failure --timeout 600 || status=1
# What passing tests printed is only in CTest's log: show the input that had to be sent again.
log="$root/build/Testing/Temporary/LastTest.log"
if [ -f "$log" ]; then
    repeats=$(grep -c 'sent again (repeat' "$log")
    echo "Input sent again by the tests (dropped by Wine's desktop, or slow to act): $repeats"
    grep -h 'sent again (repeat' "$log" | sed 's/^/  /'
fi

# The same sources through a second compiler: clang with LLVM's linker, warnings as errors
# (build/clang). Its program is started once under Wine, driven by the end-to-end test of
# the main build: it must show its main window and end with exit code 0 on File > Exit.
clang_smoke() {
    local env_sh="$root/tests/support/wine-env.sh" session="$root/build/clang/wine-session" dir result
    cd "$root" || return 1
    cmake --preset clang-mingw >/dev/null || return 1
    cmake --build --preset clang-mingw -j"$(nproc 2>/dev/null || echo 2)" || return 1
    "$env_sh" start "$session" >/dev/null || return 1
    cd "$root/build/clang" || return 1
    dir="Z:${root//\//\\}\\build\\clang"
    HUETROVE_EXE="$dir\\Huetrove.exe" HUETROVE_DIR="$dir" "$env_sh" wine "$session" \
        "$root/build/e2e_main_window.exe" --gtest_filter=MainWindow.ExitEndsTheProgram
    result=$?
    "$env_sh" stop "$session" >/dev/null
    return $result
}
echo "Building with clang and starting that build once"
clang_smoke || { echo "The clang build or its start under Wine failed" >&2; status=1; }

# A multi-configuration generator (Ninja Multi-Config here, Visual Studio's on Windows) puts
# each configuration's programs in a folder of its own, which the builds above never do. The
# program with its companion files, the packages and the web site, in Release, into build/multi: about a
# minute and a half of two cores from scratch.
multi_config() {
    cmake -S "$root" -B "$root/build/multi" -G "Ninja Multi-Config" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DHUETROVE_TESTS=OFF >/dev/null || return 1
    cmake --build "$root/build/multi" --config Release --target Huetrove packages site -j"$(nproc 2>/dev/null || echo 2)"
}
echo "Building with Ninja Multi-Config"
multi_config || { echo "The multi-configuration build failed" >&2; status=1; }

# Anyone must get the same downloads from the same sources: the program, its companion
# files, the zip, the setup program and SHA256SUMS, built again from a copy of the sources
# in another folder, into another build folder, under another umask.
echo "Building what ships a second time and comparing it byte for byte"
"$root/scripts/rebuild-compare.sh" || { echo "The second build gave different bytes" >&2; status=1; }
exit $status
