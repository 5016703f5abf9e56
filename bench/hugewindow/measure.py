# SPDX-FileCopyrightText: 2026 The Quorix developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The measuring half of bench/hugewindow/run: measure.py QUORIX DATA_DIR."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
import quorix_e2e as e2e  # noqa: E402

TITLE = "Quorix self-assessment questions"


def windows():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                         capture_output=True, text=True).stdout
    return out.split()


def geometry(window):
    out = subprocess.run(["xdotool", "getwindowgeometry", window], capture_output=True, text=True).stdout
    return out.split("Geometry:")[1].strip() if "Geometry:" in out else "?"


def peak_kib(pid):
    for line in open("/proc/%d/status" % pid):
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def extents(acc):
    e = acc.queryComponent().getExtents(0)  # screen coordinates
    return (e.x, e.y, e.width, e.height)


def until_changed(acc, before, what):
    """Polls more finely than the end-to-end tests' waits, which step by 0.1 s."""
    end = time.monotonic() + 5
    while extents(acc) == before:
        if time.monotonic() > end:
            raise e2e.Failure("timed out waiting for " + what)
        time.sleep(0.002)


def main(quorix, data_dir):
    prog = e2e.Program([quorix, "--data-dir", data_dir, "--seed", "1"], data_dir)
    prog.data_dir = data_dir
    try:
        e2e.start_on_set(prog)
        prog.press("Select a question")
        prog.statement()
        e2e.answer(prog, "T", e2e.CONFIDENCE["very"])
        for w in windows():
            subprocess.run(["xdotool", "windowsize", w, "10000", "10000"])
        time.sleep(1)
        prog.press("Show my score to date")
        button = prog.button("More questions")
        time.sleep(2)
        shown = windows()
        print("windows after asking for 10000 x 10000: %s" % ", ".join(geometry(w) for w in shown))
        print("peak memory after the score screen opened: %.1f MiB" % (peak_kib(prog.proc.pid) / 1024))
        top = shown[-1]

        resizes, overheads = [], []
        for w, h in [(900, 700), (1280, 1024), (1000, 750), (10000, 10000)] * 5:
            before = extents(button)
            started = time.monotonic()
            subprocess.run(["xdotool", "windowsize", top, str(w), str(h)])
            until_changed(button, before, "the layout to follow the resize")
            resizes.append((time.monotonic() - started) * 1000)
            # What the measure itself takes: starting xdotool and one question
            # over the accessibility bus.
            started = time.monotonic()
            subprocess.run(["xdotool", "getwindowname", top], capture_output=True)
            extents(button)
            overheads.append((time.monotonic() - started) * 1000)
        print("resize to laid out: median %.1f ms, largest %.1f ms (%d resizes), of which the measure "
              "itself takes about %.1f ms" % (statistics.median(resizes), max(resizes), len(resizes),
                                             statistics.median(overheads)))
        print("peak memory at the end: %.1f MiB" % (peak_kib(prog.proc.pid) / 1024))
    finally:
        prog.kill()


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except e2e.Failure as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)
