#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Quorix developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the real quorix through the accessibility bus, as a screen reader
would, or through the keyboard alone (xdotool).

Run it through tests/e2e/run, which gives it a virtual display and a D-Bus
session of its own. Every wait is bounded; a failure prints what was on the
screen and exits 1.

  quorix_e2e.py screen-reader QUORIX DATA_DIR
  quorix_e2e.py keyboard QUORIX DATA_DIR
  quorix_e2e.py installed-menu ROOT   (a package unpacked with dpkg -x)
"""

import csv
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

WAIT = 20  # seconds for any one thing to appear
SET_OPTION = "Option1"  # a set without an exercise first
SEED = "7"
STUDENT = "Ada Lovelace"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=WAIT):
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # an object that went away while being read
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("timed out after %ds waiting for %s" % (timeout, what))
        time.sleep(0.1)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def walk(acc):
    yield acc
    for child in acc:
        if child is not None:
            yield from walk(child)


class Program:
    """The program under test and its accessible tree."""

    def __init__(self, argv, cwd, env=None):
        env = dict(os.environ if env is None else env)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.pop("QT_QPA_PLATFORM", None)  # the real X11 platform: the bus needs it
        # The registry runs before the program starts, or a program that
        # started it may never be listed.
        pyatspi.Registry.getDesktop(0).childCount
        self.stderr = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(argv, cwd=cwd, env=env, stderr=self.stderr)
        self.app = wait_for("the program on the accessibility bus", self._find_app)
        self.keys = {}
        self.shown = set()

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.proc.pid:
                return app
        return None

    def error_output(self):
        self.stderr.seek(0)
        return self.stderr.read().decode("utf-8", "replace")

    def find_all(self, role=None, name=None):
        return [a for a in walk(self.app)
                if (role is None or a.getRole() == role)
                and (name is None or a.name == name) and showing(a)]

    def find(self, what, role=None, name=None, timeout=WAIT):
        def probe():
            found = self.find_all(role, name)
            return found[0] if found else None
        return wait_for(what, probe, timeout)

    def button(self, caption):
        return self.find('the button "%s"' % caption, pyatspi.ROLE_PUSH_BUTTON, caption)

    def press(self, caption, role=pyatspi.ROLE_PUSH_BUTTON):
        acc = self.find('"%s"' % caption, role, caption)
        action = acc.queryAction()
        action.doAction(0)

    def choose(self, caption):
        self.press(caption, pyatspi.ROLE_RADIO_BUTTON)

    def box(self, name):
        """A text output box or face, read as a screen reader reads it."""
        return self.find('the box "%s"' % name, None, name)

    def box_text(self, name):
        return self.box(name).description

    def wait_text(self, name, pattern, what):
        return wait_for(what, lambda: re.search(pattern, self.box_text(name)))

    def statement(self):
        """The statement on show: the one label whose text is a bank statement.
        The program acts on a press after answering it, so the statement
        before is still on show for a moment; no statement is drawn twice."""
        def probe():
            for label in self.find_all(pyatspi.ROLE_LABEL):
                if label.name in self.keys and label.name not in self.shown:
                    return label.name
            return None
        statement = wait_for("a new statement on the question screen", probe)
        self.shown.add(statement)
        return statement

    def wait_end(self, timeout=WAIT):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %ds" % timeout)

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(5)

    def dump(self):
        try:
            for acc in walk(self.app):
                if showing(acc):
                    print("  %s %r %r" % (acc.getRoleName(), acc.name, acc.description[:80]),
                          file=sys.stderr)
        except Exception as e:
            print("  (the tree could not be read: %s)" % e, file=sys.stderr)


def read_fields(path):
    """The bank's fields as the program reads them: separated by commas or
    line ends, quoted when they hold a comma, blanks in front skipped."""
    raw = open(path, "rb").read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252")
    fields = []
    for row in csv.reader(text.splitlines(), skipinitialspace=True):
        fields.extend(f.strip() for f in row)
    return fields


def bank_keys(path):
    """statement -> (key, explanation) for every statement of a bank."""
    fields = read_fields(path)
    keys = {}
    i = 0
    while i + 8 <= len(fields) and fields[i] != "-999":
        rec = fields[i:i + 8]
        keys[rec[2]] = (rec[3], rec[4])
        keys[rec[5]] = (rec[6], rec[7])
        i += 8
    return keys


def catalogue_titles(path):
    fields = read_fields(path)
    count = int(fields[0])
    return fields[1:1 + min(count, 16)]


def menu_option_captions(prog):
    titles = catalogue_titles(os.path.join(prog.data_dir, "qbanks.txt"))
    return wait_for("the menu's options labelled with the catalogue's titles",
                    lambda: titles if all(prog.find_all(pyatspi.ROLE_RADIO_BUTTON, t) for t in titles)
                    else None)


def answer(prog, truth, confidence):
    """Answers the statement on show; returns what the feedback must say."""
    prog.choose({"T": "TRUE", "F": "FALSE", None: "Don't know"}[truth])
    if confidence:
        prog.choose(confidence)
    prog.press("OK")


CONFIDENCE = {
    "unsure": "I  am unsure (score +1, or 0 if wrong)",
    "fairly": "I am fairly sure (score +2, or -2 if wrong)",
    "very": "I am very sure (score +3, or -6 if wrong)",
}


def start_on_set(prog):
    menu_option_captions(prog)
    title = catalogue_titles(os.path.join(prog.data_dir, "qbanks.txt"))[0]
    prog.choose(title)
    prog.press("OK")
    prog.keys = bank_keys(os.path.join(prog.data_dir, "qbank1.txt"))
    prog.button("Select a question")


def screen_reader(quorix, data_dir):
    pdf = os.path.join(tempfile.mkdtemp(prefix="quorix-e2e-"), "report.pdf")
    prog = Program([quorix, "--data-dir", data_dir, "--seed", SEED, "--print-to-pdf", pdf], data_dir)
    prog.data_dir = data_dir
    try:
        start_on_set(prog)
        # (answer given, confidence, feedback expected, face expected)
        # Each round's feedback differs from the one before, so that what is
        # read is never the last round's.
        rounds = [
            ("right", "very", r"You are correct, this statement is (true|false)\s+You were very sure; "
             r"you score \+3", "smiling face"),
            ("wrong", "fairly", r"You are wrong, this statement is (true|false)\s+You were fairly sure; "
             r"you score -2", "frowning face"),
            ("dont-know", None, r"You did not know the answer", "neutral face"),
            ("right", "unsure", r"You are correct, this statement is (true|false)\s+You were not very sure; "
             r"you score \+1", "smiling face"),
        ]
        for given, confidence, feedback, face in rounds:
            prog.press("Select a question")
            statement = prog.statement()
            key, explanation = prog.keys[statement]
            truth = {"right": key, "wrong": "F" if key == "T" else "T", "dont-know": None}[given]
            answer(prog, truth, CONFIDENCE.get(confidence))
            said = prog.wait_text("Feedback", feedback, "the feedback " + feedback)
            truth_word = {"T": "true", "F": "false"}[key]
            if given != "dont-know" and said.group(1) != truth_word:
                raise Failure("the feedback says %r for a statement keyed %s" % (said.group(0), key))
            wait_for("the face to be a " + face, lambda: prog.box("Feedback face").description == face)
        prog.press("See the explanation")
        prog.find("the explanation", pyatspi.ROLE_LABEL, explanation)

        prog.press("Show my score to date")
        prog.wait_text("Summary", r"questions asked", "the score-to-date summary")
        text = prog.box_text("Summary")
        for count, what in [(4, "questions asked"), (1, "question 'don't know'"),
                            (2, "answered correctly"), (1, "answered incorrectly")]:
            if not re.search(r"(^|\s)%d\s+%s" % (count, re.escape(what)), text):
                raise Failure("the summary does not say %d %s:\n%s" % (count, what, text))

        prog.press("Print my score and END")
        prompt = prog.find("the name prompt", pyatspi.ROLE_TEXT)
        wait_for("the name prompt to take the keyboard",
                 lambda: prompt.getState().contains(pyatspi.STATE_FOCUSED))
        subprocess.run(["xdotool", "type", "--delay", "20", STUDENT], check=True, timeout=WAIT)
        wait_for("the typed name in the prompt",
                 lambda: prompt.queryText().getText(0, -1) == STUDENT)
        prog.press("OK")
        status = prog.wait_end()
        if status != 0:
            raise Failure("the program ended with status %d" % status)
        report = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                                check=True, timeout=WAIT).stdout
        for wanted in ["Score for " + STUDENT, r"\b4\s+questions asked", r"\b1\s+question 'don't know'",
                       r"\b2\s+answered correctly", r"\b1\s+answered incorrectly"]:
            if not re.search(wanted, report):
                raise Failure("the report does not match %r:\n%s" % (wanted, report))
    except Failure:
        prog.dump()
        raise
    finally:
        prog.kill()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True, timeout=WAIT)


def keyboard(quorix, data_dir):
    prog = Program([quorix, "--data-dir", data_dir, "--seed", SEED], data_dir)
    prog.data_dir = data_dir
    try:
        menu_option_captions(prog)
        # With no window manager on the virtual display, give the menu the
        # keyboard as a desktop would when it opens.
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(prog.proc.pid)],
                                capture_output=True, text=True, check=True, timeout=WAIT).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=WAIT)
        focused = lambda: [a for a in prog.find_all() if a.getState().contains(pyatspi.STATE_FOCUSED)]
        # Tab to the first option, choose it with Space, then Tab on to OK.
        option = catalogue_titles(os.path.join(data_dir, "qbanks.txt"))[0]
        def tab_to(name, role):
            for _ in range(40):
                now = focused()
                if now and now[0].name == name and now[0].getRole() == role:
                    return
                key("Tab")
                time.sleep(0.05)
            raise Failure('Tab never reached "%s"' % name)
        tab_to(option, pyatspi.ROLE_RADIO_BUTTON)
        key("space")
        tab_to("OK", pyatspi.ROLE_PUSH_BUTTON)
        key("Return")
        prog.keys = bank_keys(os.path.join(data_dir, "qbank1.txt"))
        tab_to("Select a question", pyatspi.ROLE_PUSH_BUTTON)
        key("space")
        statement = prog.statement()
        truth, _ = prog.keys[statement]
        # The arrow keys move among the option buttons, Space chooses one.
        def arrow_to(direction, name):
            key(direction)
            wait_for('the focus on "%s"' % name, lambda: focused() and focused()[0].name == name)
        tab_to("TRUE", pyatspi.ROLE_RADIO_BUTTON)
        if truth == "F":
            arrow_to("Right", "FALSE")
        key("space")
        tab_to(CONFIDENCE["unsure"], pyatspi.ROLE_RADIO_BUTTON)
        arrow_to("Down", CONFIDENCE["fairly"])
        key("space")
        tab_to("OK", pyatspi.ROLE_PUSH_BUTTON)
        key("Return")
        prog.wait_text("Feedback", r"You are correct, this statement is (true|false)\s+You were fairly sure; "
                       r"you score \+2", "the feedback of a right answer")
        wait_for("a smiling face", lambda: prog.box("Feedback face").description == "smiling face")
        tab_to("END - don't print my results", pyatspi.ROLE_PUSH_BUTTON)
        key("space")
        status = prog.wait_end()
        if status != 0:
            raise Failure("the program ended with status %d" % status)
    except Failure:
        prog.dump()
        raise
    finally:
        prog.kill()


def installed_menu(root, screenshot=None):
    """Starts ROOT/usr/bin/quorix from a folder without data: it must find
    its installed data beside it, say so, and show the bundled titles."""
    quorix = os.path.join(root, "usr", "bin", "quorix")
    data_dir = os.path.join(root, "usr", "share", "quorix")
    empty = tempfile.mkdtemp(prefix="quorix-nodata-")
    prog = Program([quorix], empty)
    prog.data_dir = data_dir
    try:
        menu_option_captions(prog)
        if screenshot:
            time.sleep(0.5)
            subprocess.run(["import", "-window", "root", screenshot], check=True, timeout=WAIT)
        prog.press("END - don't print my results")
        status = prog.wait_end()
        if status != 0:
            raise Failure("the program ended with status %d" % status)
        said = prog.error_output()
        if ("using the installed data in " + os.path.realpath(data_dir)) not in said:
            raise Failure("standard error does not say which data it used:\n" + said)
    except Failure:
        prog.dump()
        raise
    finally:
        prog.kill()
        os.rmdir(empty)


def main(argv):
    modes = {"screen-reader": (screen_reader, 2), "keyboard": (keyboard, 2),
             "installed-menu": (installed_menu, 1)}
    if len(argv) < 2 or argv[1] not in modes or len(argv) - 2 < modes[argv[1]][1]:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        modes[argv[1]][0](*argv[2:])
    except Failure as e:
        print("%s: FAILED: %s" % (argv[1], e), file=sys.stderr)
        return 1
    print("%s: passed in %.1f s" % (argv[1], time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
