#!/bin/bash
# closeonmap.sh QUORIX WINDOWPROBE DATA RUNS: starts the program RUNS times on a
# virtual display with a window manager; each time the probe asks its menu
# window to close the moment it is mapped, and fails if the program has not
# ended 10 seconds later.
set -u
quorix=$1 probe=$2 data=$3 runs=$4
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
export temp
temp=$(mktemp -d)
left=0
for i in $(seq "$runs"); do
    if ! "$probe" "Quorix self-assessment questions" "$quorix" --data-dir "$data" --seed "$i" >/dev/null; then
        echo "run $i: the program did not end when its menu window was closed"
        left=$((left + 1))
    fi
done
echo "$left of $runs runs left running"
[ "$left" -eq 0 ]
