#!/usr/bin/env bash
# pickaplace-under-xvfb.sh PROGRAM WORK_DIR: starts the example program on a virtual display
# and clicks its place picker button with a real X pointer event. The installed picker card
# then runs the steps of HX_CARD_STEPS as its user; the program must print the pick, go back
# from the place's card on Escape and leave on a second Escape. Exits 77 when there is no
# virtual display to run on.
set -u
program=$1
work=$2

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "pickaplace not run: Xvfb or xdotool is missing (scripts/setup installs them)"
    exit 77
fi

mkdir -p "$work"
app=""
# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait 2>/dev/null' EXIT

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local limit=$(($1 * 10))
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

if ! wait_for 60 test -s "$work/display"; then
    echo "Xvfb did not start:" && cat "$work/xvfb.log"
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

HX_WINDOW_MAP="$work/map.json" QT_QPA_PLATFORM=xcb "$program" >"$work/out" 2>"$work/err" &
app=$!

window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Pick a place$' | head -n 1)
if [ -z "$window" ]; then
    echo "the program's window did not show:" && cat "$work/err"
    exit 1
fi
# The window writes where it drew each control; the map's keys come in alphabetical order.
button='"height":([0-9]+),"kind":"[a-z]+","name":"PlacePickerButton","text":"[^"]*","width":([0-9]+),"x":([0-9]+),"y":([0-9]+)'
if ! wait_for 60 grep -Eq "$button" "$work/map.json"; then
    echo "the window shows no place picker button:" && cat "$work/map.json" "$work/err"
    exit 1
fi
read -r height width x y < <(grep -Eo "$button" "$work/map.json" | head -n 1 | sed -E "s/$button/\\1 \\2 \\3 \\4/")
xdotool mousemove --sync --window "$window" $((x + width / 2)) $((y + height / 2)) click 1

if ! wait_for 180 grep -q '^picked: ' "$work/out"; then
    echo "nothing was picked; the program said:" && cat "$work/out" "$work/err"
    exit 1
fi
cat "$work/out"

xdotool key --window "$window" Escape
sleep 1
xdotool key --window "$window" Escape
if ! wait_for 60 eval '! kill -0 "$app" 2>/dev/null'; then
    echo "the program did not leave on Escape"
    exit 1
fi
wait "$app"
code=$?
app=""
if [ "$code" -ne 0 ]; then
    echo "the program exited with $code:" && cat "$work/err"
    exit 1
fi
