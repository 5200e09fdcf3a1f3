#!/usr/bin/env bash
# Installs what is missing, then builds the program (build/Huetrove.exe with its
# companion files) and the native unit tests (build/unit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc 2>/dev/null || echo 2)
# The MinGW-w64 cross-build of CMakePresets.json, in build/.
(cd "$root" && cmake --preset mingw >/dev/null)
cmake --build "$root/build" -j"$jobs"
cmake -S "$root/tests/unit" -B "$root/build/unit" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/unit" -j"$jobs"
