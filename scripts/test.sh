#!/usr/bin/env bash
# Sets up, builds and runs every test tier: native unit tests, then the Windows-side
# and end-to-end tests under Wine and Xvfb.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" || exit 1
status=0
ctest --test-dir "$root/build/unit" --output-on-failure || status=1
# GUI tests under Wine can lose an input event to the virtual desktop now and then;
# a test that fails is run again, up to three times in all, before the run fails.
ctest --test-dir "$root/build" --output-on-failure --timeout 600 --repeat until-pass:3 || status=1
exit $status
