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
        times = []
        top = shown[-1]
        for size in [(900, 700), (1280, 1024), (1000, 750), (10000, 10000)] * 5:
            before = extents(button)
            started = time.monotonic()
            subprocess.run(["xdotool", "windowsize", top, str(size[0]), str(size[1])])
            e2e.wait_for("the layout to follow the resize", lambda: extents(button) != before, 5)
            times.append((time.monotonic() - started) * 1000)
        print("resize to laid out: median %.1f ms, largest %.1f ms (%d resizes)"
              % (statistics.median(times), max(times), len(times)))
        print("peak memory at the end: %.1f MiB" % (peak_kib(prog.proc.pid) / 1024))
    finally:
        prog.kill()


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except e2e.Failure as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)
