#!/usr/bin/env bash
# The cheap analysers, each a matter of seconds; scripts/test.sh runs them all.
#   1. the native unit tests built with clang under Address and Undefined Behaviour
#      Sanitizers (build/unit-sanitizers);
#   2. the fuzz targets of tests/fuzz (build/fuzz): each replays its committed corpus,
#      then fuzzes for a few seconds from a fixed seed;
#   3. cppcheck over src/.
# Every step runs even when one before it failed; the exit status is 1 if any failed.
#   scripts/analyse.sh [sanitizers|fuzz|cppcheck]...   (default: all three)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${HUETROVE_FUZZ_SECONDS:-5}
status=0


sanitizers() {
    local build="$root/build/unit-sanitizers"
    cmake -S "$root/tests/unit" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1" \
        >/dev/null || return 1
    cmake --build "$build" -j"$jobs" >/dev/null || { cmake --build "$build" -j1; return 1; }
    # A sanitizer's report ends the test program with an error; leaks count too.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$build" --output-on-failure
}

fuzz() {
    local build="$root/build/fuzz" corpora="$root/tests/fuzz/corpus" result=0 target name
    cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null || return 1
    cmake --build "$build" -j"$jobs" >/dev/null || { cmake --build "$build" -j1; return 1; }
    for target in "$build"/fuzz_*; do
        [ -x "$target" ] || continue
        name=${target##*/fuzz_}
        # New inputs go to a scratch folder, crashes beside it; the committed corpus is only read.
        rm -rf "$build/found/$name" && mkdir -p "$build/found/$name" "$build/crashes"
        echo "-- $name: replaying $(find "$corpora/$name" -type f | wc -l) inputs, then fuzzing ${fuzz_seconds} s"
        "$target" -runs=0 -artifact_prefix="$build/crashes/$name-" "$corpora/$name" >"$build/$name-replay.log" 2>&1 &&
            "$target" -seed=1 -max_total_time="$fuzz_seconds" -print_final_stats=1 \
                -artifact_prefix="$build/crashes/$name-" "$build/found/$name" "$corpora/$name" \
                >"$build/$name-fuzz.log" 2>&1
        if [ $? -ne 0 ]; then
            echo "   $name crashed: see $build/$name-replay.log and $build/$name-fuzz.log" >&2
            grep -h -m3 -E 'runtime error|ERROR|SUMMARY' "$build/$name-replay.log" "$build/$name-fuzz.log" >&2
            result=1
        else
            echo "   $(grep -h -m1 -E '^stat::number_of_executed_units' "$build/$name-fuzz.log" | sed 's/.*: *//') runs, no crash"
        fi
    done
    return $result
}

cppcheck_src() {
    # The defines of the MinGW build; system headers are not read (their findings are not ours).
    # A finding that is not a fault is suppressed where it stands, with its reason:
    # `// cppcheck-suppress <id> ; why`. One check is off as a whole: useStlAlgorithm
    # proposes an algorithm for every short search or copy loop, a matter of taste that
    # finds no fault.
    cppcheck --quiet --error-exitcode=1 --inline-suppr -j"$jobs" \
        --enable=warning,style,performance,portability --std=c++20 --language=c++ \
        -D_WIN32 -D_WIN64 -D__MINGW32__ -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 \
        -DSTRICT -I "$root/src" --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
        --template='{file}:{line}: {severity} [{id}] {message}' \
        "$root/src"
}

run() {
    local name=$1 what=$2 start=$SECONDS
    echo "== $what"
    if "$name"; then
        echo "== $what: passed in $((SECONDS - start)) s"
    else
        echo "== $what: FAILED after $((SECONDS - start)) s" >&2
        status=1
    fi
}

[ $# -gt 0 ] || set -- sanitizers fuzz cppcheck
for which in "$@"; do
    case $which in
        sanitizers) run sanitizers "Unit tests under Address and Undefined Behaviour Sanitizers (clang)" ;;
        fuzz) run fuzz "Fuzz targets (libFuzzer, Address and Undefined Behaviour Sanitizers)" ;;
        cppcheck) run cppcheck_src "cppcheck over src/" ;;
        *) echo "unknown step: $which (sanitizers, fuzz or cppcheck)" >&2; exit 2 ;;
    esac
done
exit $status
