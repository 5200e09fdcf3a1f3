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
# What passing tests printed is only in CTest's log: show the input that had to be sent again.
log="$root/build/Testing/Temporary/LastTest.log"
if [ -f "$log" ]; then
    repeats=$(grep -c 'sent again (repeat' "$log")
    echo "Input sent again by the tests (dropped by Wine's desktop, or slow to act): $repeats"
    grep -h 'sent again (repeat' "$log" | sed 's/^/  /'
fi
exit $status
