#!/usr/bin/env bash
# pickaplace-under-xvfb.sh PROGRAM WORK_DIR: starts the example program on a virtual display
# and clicks its "Pick a place" button with a real X pointer event. The installed picker card
# then runs the steps of HX_CARD_STEPS as its user, and the program must print the pick and
# quit on Ctrl+Q. Exits 77 when there is no virtual display to run on.
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

QT_QPA_PLATFORM=xcb "$program" >"$work/out" 2>"$work/err" &
app=$!

window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Pick a place$' | head -n 1)
if [ -z "$window" ]; then
    echo "the program's window did not show:" && cat "$work/err"
    exit 1
fi
# The button spans the top of the window.
xdotool mousemove --sync --window "$window" 100 32 click 1

if ! wait_for 180 grep -q '^picked: ' "$work/out"; then
    echo "nothing was picked; the program said:" && cat "$work/out" "$work/err"
    exit 1
fi
cat "$work/out"

xdotool key --window "$window" ctrl+q
if ! wait_for 60 eval '! kill -0 "$app" 2>/dev/null'; then
    echo "the program did not quit on Ctrl+Q"
    exit 1
fi
wait "$app"
code=$?
app=""
if [ "$code" -ne 0 ]; then
    echo "the program exited with $code:" && cat "$work/err"
    exit 1
fi
