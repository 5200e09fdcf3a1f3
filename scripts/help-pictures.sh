#!/usr/bin/env bash
# Takes the pictures of Huetrove's windows that the help and the README show, from the
# real program (build/Huetrove.exe) under Wine, each in a Wine session of its own:
#
#   companion/help/pictures/main-window.png  the main window, its parts labelled
#   companion/help/pictures/tray-menu.png    the tray icon's menu
#   companion/help/pictures/preferences.png  the Preferences dialog
#   docs/screenshot.png                      the main window at 100 % display scale
#   docs/screenshot-150.png                  the same at 150 %
#
# The pictures are committed, so building the help needs no display; run this again after
# a change to what these windows show, look at the pictures, and commit them. Each run
# starts the program as on a first run (a new Wine prefix), so the colour on show is
# Wine's desktop colour and the chart is Web colors. Needs what scripts/setup.sh installs
# (Wine, Xvfb, xdotool, x11-utils, ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$root/build/Huetrove.exe
helpPictures=$root/companion/help/pictures
[ -f "$exe" ] || { echo "help-pictures: build the program first (./scripts/build.sh)" >&2; exit 1; }
mkdir -p "$helpPictures" "$root/docs"

work=$(mktemp -d)
session=
program=
finish() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$session" ] && "$root/tests/support/wine-env.sh" stop "$session" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap finish EXIT

# Pictures without the time they were made in them: the same screen gives the same file.
save_png() {
    local out=${*: -1}
    convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "PNG24:$out"
}

# Polls a command for up to 30 seconds.
wait_for() {
    local deadline=$((SECONDS + 30))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# The X window of a Wine window with exactly this title, mapped; empty when there is none.
window_named() {
    xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name || index($0, " " name " ") { print $1; exit }' |
        while read -r id; do
            xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
        done
}
shown() { [ -n "$(window_named "$1")" ]; }

# "X Y W H" of an X window, in screen pixels.
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}

screen() { import -window root "$1"; }

# Starts a session at DPI dots per inch and the program in it, as on a first run, and
# waits for the main window.
start_program() {
    session=$work/session-$1
    "$root/tests/support/wine-env.sh" start "$session" "$1" >/dev/null
    # shellcheck disable=SC1091
    . "$session/env.sh"
    local app=$work/app-$1
    mkdir -p "$app"
    cp "$exe" "$root"/build/{Help.chm,license.txt,cur.dat} "$app/"
    (cd "$app" && exec "$WINE" Huetrove.exe </dev/null >/dev/null 2>&1) &
    program=$!
    wait_for shown " Huetrove v1.0" || { echo "help-pictures: the main window did not show" >&2; exit 1; }
    # Painted: the swatch and the chart are drawn after the window is mapped.
    sleep 2
}

stop_program() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
    "$root/tests/support/wine-env.sh" stop "$session" >/dev/null
    session=
}

# --- 100 %: the main window, the tray menu and the Preferences dialog ---
start_program 96
read -r mx my mw mh < <(geometry_of "$(window_named " Huetrove v1.0")")
screen "$work/main.png"
save_png "$work/main.png" -crop "${mw}x${mh}+${mx}+${my}" +repage "$root/docs/screenshot.png"

# The parts, labelled beside the window. The client area is 150 pixels wide and, with the
# Web colors chart, 245 high; the frame is what the window has around it.
frame=$(((mw - 150) / 2))
clientTop=$((mh - frame - 245))
margin=160  # room for the labels on the left
pad=6       # above and below the window
lines=()
texts=()
# label SIDE TEXT X Y: a line from the text to the point X,Y of the client area.
label() {
    local x=$((margin + frame + $3)) y=$((pad + clientTop + $4)) lx
    if [ "$1" = left ]; then
        lx=$((margin - 8))
        texts+=(-gravity NorthEast -annotate "+$((mw + 110 + 14))+$((y - 7))" "$2")
    else
        lx=$((margin + mw + 8))
        texts+=(-gravity NorthWest -annotate "+$((lx + 4))+$((y - 7))" "$2")
    fi
    lines+=(-draw "line $lx,$y $x,$y" -draw "circle $x,$y $((x + 2)),$y")
}
label left "HTML box: the code" 10 20
label left "Red, green, blue boxes" 10 38
label left "Chart: click a cell" 10 120
label left "Chart name" 5 239
label right "Menu bar" 120 -10
label right "Swatch" 140 29
convert -size "$((margin + mw + 110))x$((mh + 2 * pad))" xc:white \
    \( "$work/main.png" -crop "${mw}x${mh}+${mx}+${my}" +repage \) -geometry "+${margin}+${pad}" -composite \
    -stroke '#b02020' -fill '#b02020' "${lines[@]}" \
    -stroke none -fill '#202020' -font DejaVu-Sans -pointsize 11 "${texts[@]}" "$work/labelled.png"
save_png "$work/labelled.png" "$helpPictures/main-window.png"

# The tray menu, opened on the icon as a user opens it: the icon sits in the last slot of
# Wine's taskbar. The picture holds what changed on the screen: the menu.
read -r bx by bw bh < <(geometry_of "$(xwininfo -root -tree | awk '/"explorer.exe"\)  1280x[0-9]+\+0\+[1-9]/{print $1; exit}')")
iconX=$((bx + bw - 10))
iconY=$((by + bh / 2))
screen "$work/before-menu.png"
xdotool mousemove "$iconX" "$iconY" click 3
menuShown() {
    screen "$work/menu.png"
    [ "$(compare -metric AE "$work/before-menu.png" "$work/menu.png" null: 2>&1 || true)" != 0 ]
}
wait_for menuShown || { echo "help-pictures: the tray menu did not open" >&2; exit 1; }
sleep 1
screen "$work/menu.png"
read -r cw ch cx cy < <(convert "$work/before-menu.png" "$work/menu.png" -compose difference -composite \
    -threshold 0 -format '%@\n' info: | tr 'x+' '  ')
save_png "$work/menu.png" -crop "${cw}x${ch}+${cx}+${cy}" +repage "$helpPictures/tray-menu.png"
xdotool key Escape

# The Preferences dialog, opened with its key from the main window.
xdotool mousemove $((mx + 40)) $((my + 8)) click 1
sleep 0.5
xdotool key ctrl+o
wait_for shown " Preferences ..." || { echo "help-pictures: Preferences did not open" >&2; exit 1; }
sleep 1
read -r px py pw ph < <(geometry_of "$(window_named " Preferences ...")")
screen "$work/preferences.png"
save_png "$work/preferences.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$helpPictures/preferences.png"
stop_program

# --- 150 %: the main window as a high-DPI display shows it ---
start_program 144
read -r mx my mw mh < <(geometry_of "$(window_named " Huetrove v1.0")")
screen "$work/main-150.png"
save_png "$work/main-150.png" -crop "${mw}x${mh}+${mx}+${my}" +repage "$root/docs/screenshot-150.png"
stop_program
echo "help-pictures: wrote $helpPictures/{main-window,tray-menu,preferences}.png and docs/screenshot{,-150}.png"
