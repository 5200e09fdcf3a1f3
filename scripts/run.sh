#!/usr/bin/env bash
# Sets up, builds and starts Huetrove under Wine. Without a display it starts a
# virtual one, saves a screenshot of the running program and keeps it running until
# interrupted (Ctrl+C).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"

if [ -n "${DISPLAY:-}" ]; then
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    # No offer to install Wine's .NET and HTML engines into a new prefix: not needed.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    exec "$wine" Huetrove.exe
fi

session="$root/build/run-session"
"$root/tests/support/wine-env.sh" start "$session"
# shellcheck disable=SC1091
. "$session/env.sh"
pid=
stop() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    "$root/tests/support/wine-env.sh" stop "$session"
}
trap stop EXIT
trap 'exit 130' INT TERM

"$WINE" Huetrove.exe </dev/null >/dev/null 2>&1 &
pid=$!
deadline=$((SECONDS + 60))
until xdotool search --name "Huetrove v1.0" >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "Huetrove did not show its window" >&2
        exit 1
    fi
    sleep 0.2
done
# Give the window a moment to finish painting before the picture is taken.
deadline=$((SECONDS + 3))
while [ $SECONDS -lt $deadline ]; do sleep 0.2; done
import -window root "$root/build/screenshot.png"
echo "Screenshot of the running program: $root/build/screenshot.png"
echo "Huetrove is running on display $DISPLAY; press Ctrl+C to stop it."
wait "$pid" || true
