#!/usr/bin/env bash
# Sets up, builds and runs every test tier: native unit tests, then the Windows-side
# and end-to-end tests under Wine and Xvfb.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" || exit 1
status=0
ctest --test-dir "$root/build/unit" --output-on-failure || status=1
# Each test runs once: an input step that Wine's desktop drops is repeated inside the
# test, which says so in its output.
ctest --test-dir "$root/build" --output-on-failure --timeout 600 || status=1
exit $status
