#!/usr/bin/env bash
# Builds Huetrove and reports its start-up time, memory and handle figures, measured
# under Wine in a private display and prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build" --target startup_bench >/dev/null
session="$root/build/bench-session"
env_sh="$root/tests/support/wine-env.sh"
"$env_sh" start "$session" >/dev/null
trap '"$env_sh" stop "$session" >/dev/null' EXIT
cd "$root/build"
exe="Z:${root//\//\\}\\build\\Huetrove.exe"
HUETROVE_EXE="$exe" HUETROVE_DIR="${exe%\\Huetrove.exe}" "$env_sh" wine "$session" "$root/build/startup_bench.exe"
