#!/bin/bash
# closeonmap.sh QUORIX CLOSEONMAP DATA RUNS: starts the program RUNS times on a
# virtual display with a window manager, asks its menu window to close the
# moment it is mapped, and fails if the program is still running 5 seconds
# later.
set -u
quorix=$1 closer=$2 data=$3 runs=$4
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
export temp=$(mktemp -d)
left=0
for i in $(seq "$runs"); do
    "$closer" "Quorix self-assessment questions" &
    closing=$!
    "$quorix" --data-dir "$data" --seed "$i" >/dev/null 2>&1 &
    program=$!
    wait $closing || { echo "run $i: the menu window was never mapped"; kill -9 $program; exit 1; }
    for _ in $(seq 50); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
    if kill -0 $program 2>/dev/null; then
        echo "run $i: still running 5 s after its menu window was asked to close"
        left=$((left + 1))
        kill -9 $program
    fi
done
echo "$left of $runs runs left running"
[ "$left" -eq 0 ]
