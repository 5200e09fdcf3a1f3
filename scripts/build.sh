#!/usr/bin/env bash
# Installs what is missing, then builds the program (build/Huetrove.exe with its
# companion files) and the native unit tests (build/unit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$root/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$jobs"
cmake -S "$root/tests/unit" -B "$root/build/unit" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/unit" -j"$jobs"
