#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Quorix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# closeonmap.sh [--starts N] QUORIX WINDOWPROBE DATA: starts the program N
# times (60 by default) on a virtual display of its own, with a D-Bus
# session, the accessibility bus and accessibility on, and no window manager.
# Each time the probe asks the menu window to close 0, 20, 50, 100, 200 or
# 400 ms after it is mapped, in turn, and counts the start as lost if the
# program has not ended 10 seconds later. Every other pair of starts follows
# a reset of the display (no other client connected); the rest run with one
# other client kept connected. Exits 1 if any close was lost.
# With QUORIX_CLOSEONMAP_LOGS=DIR each start's standard error goes to
# DIR/start-N.log; QT_LOGGING_RULES="quorix.close.debug=true" and
# QT_MESSAGE_PATTERN="%{time boot} %{message}" then log each step of the close
# with its time, in the clock of the probe's times.
set -u
starts=60
if [ "${1:-}" = --starts ]; then
    starts=$2
    shift 2
fi
quorix=$1 probe=$2 data=$3

if [ -z "${QUORIX_CLOSEONMAP_INNER:-}" ]; then
    display=:$((90 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    # The session, and the accessibility bus and registry it starts, get no
    # DISPLAY: none of them then stays connected to the display, which
    # resets whenever its last client leaves.
    env -u DISPLAY QUORIX_CLOSEONMAP_INNER="$display" dbus-run-session -- "$0" --starts "$starts" "$@"
    exit
fi

export DISPLAY=$QUORIX_CLOSEONMAP_INNER QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb temp
temp=$(mktemp -d)
# Start the accessibility registry, as a desktop has it running.
env -u DISPLAY /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' 2>/dev/null

mark() {
    if [ $# -gt 0 ]; then
        xprop -root -f QUORIX_CLOSEONMAP 32c -set QUORIX_CLOSEONMAP "$1" 2>/dev/null
    else
        xprop -root QUORIX_CLOSEONMAP 2>/dev/null
    fi
}

delays=(0 20 50 100 200 400)
lost=0 resets=0
for i in $(seq 0 $((starts - 1))); do
    delay=${delays[$((i % 6))]}
    holder=
    if [ $((i / 2 % 2)) -eq 1 ]; then
        # One client kept connected for the whole start: a mark set on the
        # root window then stays.
        xprop -root -spy >/dev/null 2>&1 &
        holder=$!
        for _ in $(seq 100); do
            mark 1
            mark | grep -q '= 1' && break
            sleep 0.02
        done
    else
        # With no other client the display resets as the mark's setter
        # leaves, and the mark is gone.
        mark 1
        mark | grep -q '= 1' || resets=$((resets + 1))
    fi
    log=/dev/stderr
    [ -z "${QUORIX_CLOSEONMAP_LOGS:-}" ] || log=$QUORIX_CLOSEONMAP_LOGS/start-$i.log
    if ! "$probe" --close-after "$delay" "Quorix self-assessment questions" "$quorix" --data-dir "$data" \
        --seed "$i" >/dev/null 2>"$log"; then
        echo "start $i: the close $delay ms after the map was lost$([ -n "$holder" ] || echo ', after a reset')"
        lost=$((lost + 1))
    fi
    if [ -n "$holder" ]; then
        kill "$holder"
        wait "$holder" 2>/dev/null
    fi
done
echo "$lost of $starts closes lost ($resets starts after a display reset)"
rm -rf "$temp"
[ "$lost" -eq 0 ]
