#!/usr/bin/env bash
# One private Wine session for the Windows-side tests: an Xvfb display, a fresh
# 64-bit WINEPREFIX whose programs all share one virtual desktop, and an env.sh
# that every test sources. Nothing here touches processes it did not start.
#
#   wine-env.sh start DIR [DPI]  start (or reuse) the session kept in DIR; its display
#                                scale is DPI dots per inch (96, the default, is 100 %)
#   wine-env.sh run DIR CMD...   run CMD inside the session
#   wine-env.sh wine DIR EXE...  run a Windows program inside the session
#   wine-env.sh fresh DIR        end every program of the session's prefix and start its
#                                services and desktop anew (a desktop with no history)
#   wine-env.sh stop DIR         end the session and remove its prefix
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

WINE_BIN=${WINE_BIN:-/usr/lib/wine/wine64}
WINESERVER_BIN=${WINESERVER_BIN:-/usr/lib/wine/wineserver}
[ -x "$WINE_BIN" ] || WINE_BIN=$(command -v wine64 || command -v wine)
[ -x "$WINESERVER_BIN" ] || WINESERVER_BIN=$(command -v wineserver)
readonly DESKTOP_SIZE=1280x1024

die() { echo "wine-env: $*" >&2; exit 1; }

# poll N CMD...: runs CMD until it succeeds, for N seconds at most.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

pid_alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

# The recorded pid is ours only while it still names an Xvfb: pids get reused.
xvfb_pid_of() {
    local dir=$1 pid
    [ -f "$dir/xvfb.pid" ] || return 1
    pid=$(cat "$dir/xvfb.pid")
    pid_alive "$pid" && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = Xvfb ] && echo "$pid"
}

display_answers() { DISPLAY=$1 xdpyinfo >/dev/null 2>&1; }

desktop_shown() { xwininfo -root -children 2>/dev/null | grep -q '"Default - Wine desktop"'; }

# Wine's background services inherit the standard handles of whatever starts
# them, so every Wine command here runs with no pipes at all.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

session_alive() {
    local dir=$1
    [ -f "$dir/env.sh" ] && xvfb_pid_of "$dir" >/dev/null && pid_alive "$(cat "$dir/keeper.pid" 2>/dev/null)" &&
        (enter_session "$dir" && display_answers "$DISPLAY" && [ -f "$WINEPREFIX/system.reg" ])
}

# Takes the variables of the session kept in DIR into this shell.
enter_session() {
    [ -f "$1/env.sh" ] || die "no session in $1 (run: wine-env.sh start $1)"
    # shellcheck disable=SC1091
    . "$1/env.sh"
}

# Ends every program of the sourced session's prefix.
end_programs() {
    quiet "$WINESERVER" -k || true
    quiet "$WINESERVER" -w || true
}

start_xvfb() {
    local dir=$1 n tries pid
    # Start from a number derived from our pid so parallel sessions rarely collide;
    # a collision shows up as an Xvfb that exits at once, and the next number is tried.
    n=$((100 + $$ % 800))
    for ((tries = 0; tries < 50; tries++, n++)); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        setsid Xvfb ":$n" -screen 0 "${DESKTOP_SIZE}x24" -nolisten tcp \
            </dev/null >"$dir/xvfb.log" 2>&1 &
        pid=$!
        if poll 15 display_answers ":$n"; then
            echo "$pid" >"$dir/xvfb.pid"
            echo ":$n"
            return 0
        fi
        if pid_alive "$pid"; then
            kill "$pid" 2>/dev/null || true
            poll 10 eval "! kill -0 $pid 2>/dev/null" || kill -9 "$pid" 2>/dev/null || true
            die "Xvfb :$n did not answer"
        fi
        wait "$pid" 2>/dev/null || true
    done
    die "no free X display found"
}

write_env() {
    local dir=$1 display=$2
    cat >"$dir/env.sh" <<EOF
export DISPLAY='$display'
export WINEPREFIX='$dir/prefix'
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINE='$WINE_BIN'
export WINESERVER='$WINESERVER_BIN'
EOF
}

cmd_start() {
    local dir dpi=${2:-96}
    [[ $dpi =~ ^[0-9]+$ ]] || die "DPI must be a number: $dpi"
    dir=$(mkdir -p "$1" && cd "$1" && pwd)
    if session_alive "$dir"; then
        echo "wine-env: reusing the session in $dir"
        return 0
    fi
    # Leftovers of a session that died halfway: end what is still ours.
    cmd_stop "$dir" >/dev/null 2>&1 || true

    local display
    display=$(start_xvfb "$dir")
    write_env "$dir" "$display"
    enter_session "$dir"

    mkdir -p "$WINEPREFIX"
    quiet "$WINESERVER" -p
    quiet "$WINE" wineboot -i || die "wineboot -i failed"

    # Debian's Wine does not find its own fonts unless they are in the prefix.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    compgen -G '/usr/share/wine/fonts/*' >/dev/null && cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null
    compgen -G "$fonts/tahoma*.ttf" >/dev/null || echo "wine-env: warning: Wine's fonts are missing (install fonts-wine)" >&2

    # Every program of the prefix joins one virtual desktop, so the tests see the
    # program's windows and SetForegroundWindow really moves keyboard input.
    quiet "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    quiet "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$DESKTOP_SIZE" /f
    # A crashing program must fail its test, not wait for someone to close a dialog.
    quiet "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # The display's scale, where Wine reads it (per user and, in older releases, per machine).
    quiet "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
    quiet "$WINE" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f

    # Restart the services so the desktop settings hold from the first test on.
    start_desktop "$dir"
    echo "wine-env: session ready in $dir (DISPLAY=$DISPLAY, $dpi DPI)"
}

# The program that keeps the desktop alive, built for the session from its source here.
keeper_exe() {
    local dir=$1 source="$here/desktop_keeper.cpp" exe="$1/desktop_keeper.exe"
    if [ ! "$exe" -nt "$source" ]; then
        x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Werror -municode -mwindows \
            -static -s -o "$exe" "$source" || die "could not build $source"
    fi
    echo "$exe"
}

# Ends every program of the session's prefix, then starts its services and its desktop.
# Needs the session's env.sh sourced.
start_desktop() {
    local dir=$1 keeper
    keeper=$(keeper_exe "$dir")
    end_programs
    quiet "$WINESERVER" -p
    # The keeper (desktop_keeper.cpp says why) starts first, so that no desktop closes
    # between here and the session's end.
    setsid "$WINE" "$keeper" </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/keeper.pid"
    poll 30 desktop_shown || die "the virtual desktop did not appear"
    pid_alive "$(cat "$dir/keeper.pid")" || die "the program that keeps the desktop alive ended"
    # A loaded machine can make wineboot report a slow service as a failure; the
    # services run all the same, which is what matters here.
    quiet "$WINE" wineboot || echo "wine-env: warning: wineboot exited with $?" >&2
}

cmd_stop() {
    local dir=$1 pid
    [ -d "$dir" ] || return 0
    if [ -f "$dir/env.sh" ]; then
        (
            enter_session "$dir"
            [ ! -d "$WINEPREFIX" ] || end_programs
        )
    fi
    if pid=$(xvfb_pid_of "$dir"); then
        kill "$pid" 2>/dev/null || true
        poll 10 eval "! kill -0 $pid 2>/dev/null" || {
            kill -9 "$pid" 2>/dev/null || true
            poll 5 eval "! kill -0 $pid 2>/dev/null" || die "Xvfb $pid does not exit"
        }
    fi
    rm -rf "$dir/prefix" "$dir/env.sh" "$dir/xvfb.pid" "$dir/keeper.pid"
    echo "wine-env: session in $dir stopped"
}

[ $# -ge 2 ] || die "usage: wine-env.sh start|run|wine|fresh|stop DIR [CMD...]"
command=$1 dir=$2
shift 2
case $command in
start) cmd_start "$dir" "$@" ;;
run) enter_session "$dir" && exec "$@" ;;
wine) enter_session "$dir" && exec "$WINE" "$@" ;;
fresh) enter_session "$dir" && start_desktop "$dir" ;;
stop) cmd_stop "$dir" ;;
*) die "unknown command: $command" ;;
esac
