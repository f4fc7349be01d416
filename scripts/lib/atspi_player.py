"""What a screen-reader user's tools do, for the checks that play Quarrow through the
accessibility bus: find the game's windows and controls on the bus, read the letter grid, press
keys into a window with xdotool, and read what Orca said from its debug file.

Every wait is for an event or a state, bounded by a deadline; none is a fixed pause."""

import datetime
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

DEADLINE = 90  # seconds for any one thing to happen, however busy the machine
CELL_NAME = re.compile(r"^([A-Z]|blank), row (\d+), column (\d+)$")
DIRECTIONS = [(dr, dc) for dr in (-1, 0, 1) for dc in (-1, 0, 1) if dr or dc]

heard = []  # (role name, accessible name) of every name change, in order
SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'")
# Orca speaks late when it is swamped; a start that floods it took it 80 s to catch up.
SPEECH_LATE = 10  # seconds


def fail(message):
    print("a11y check: " + message, file=sys.stderr)
    sys.exit(1)


def on_name_change(event):
    try:
        heard.append((event.source.getRoleName(), event.source.name))
    except Exception:  # the object may be gone already
        pass


def names(events):
    """What the status line said: the names it changed to."""
    return [name for role, name in events if role == "notification"]


def wait_for(what, probe, seconds=DEADLINE, must=True):
    """Runs the event loop until probe() gives a true value, which is returned; past the
    deadline the check fails, or with must=False None is returned."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        try:
            value = probe()
        except GLib.Error:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            if not must:
                return None
            fail("gave up waiting for " + what)
        # Sleeps on the event loop: an event wakes it at once, the timer bounds the wait.
        woke = []
        source = GLib.timeout_add(100, lambda: woke.append(1) and False)
        context.iteration(True)
        if not woke:
            GLib.source_remove(source)


class Orca:
    """What Orca said, read from its debug file: (seconds since midnight, utterance). With no
    file ("-") nobody listens, and waiting for Orca returns at once."""

    def __init__(self, path):
        self.path = path
        self.listening = path != "-"

    def said(self):
        with open(self.path, errors="replace") as log:
            lines = [SPOKEN.match(line) for line in log]
        return [(int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3]), m[4]) for m in lines if m]

    def heard(self, text, since=0):
        """The time Orca first said something containing text at or after since, or None."""
        for at, said in self.said():
            if at >= since and text in said:
                return at
        return None

    def wait(self, what, text, since=0):
        if not self.listening:
            return since
        return wait_for("Orca to say " + what, lambda: self.heard(text, since))


def now():
    """Seconds since midnight, as Orca stamps its lines."""
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def focused(root):
    for node in walk(root):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def walk(node, skip=(pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST)):
    yield node
    if node.getRole() in skip:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, skip)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or re.fullmatch(name, node.name or "")):
            return node
    return None


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "quarrow":
            app.set_cache_mask(Atspi.Cache.NONE)  # read what the game shows now
            return app
    return None


def window(app, name):
    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if top is not None and re.fullmatch(name, top.name or "") and top.getState().contains(
                pyatspi.STATE_SHOWING):
            return top
    return None


# A fast typist's pace: a screen reader hears every cell the cursor passes, as a player would.
KEY_GAP = 75  # milliseconds


def press(title, *keys, gap=20):
    """Focuses the X window with that exact title and presses the keys, as a player would."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$"],
                         capture_output=True, text=True).stdout.split()
    if not ids:
        fail("no X window named " + title)
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=True)
    subprocess.run(["xdotool", "key", "--delay", str(gap), *keys], check=True)


def focusable_names(root):
    """Role and name of every control that takes the keyboard focus."""
    return [(node.getRoleName(), node.name) for node in walk(root)
            if node.getState().contains(pyatspi.STATE_FOCUSABLE)]


def read_grid(table):
    grid = [[None] * 20 for _ in range(18)]
    for r in range(18):
        for c in range(20):
            name = table.queryTable().getAccessibleAt(r, c).name
            m = CELL_NAME.match(name or "")
            if not m or (int(m.group(2)), int(m.group(3))) != (r + 1, c + 1):
                fail("cell at row %d column %d is named %r" % (r + 1, c + 1, name))
            grid[r][c] = m.group(1)
    return grid


def occurrences(grid, word):
    """(first, last) cells, as (row, column), of every run of the grid that spells the word."""
    for r in range(18):
        for c in range(20):
            for dr, dc in DIRECTIONS:
                end = (r + dr * (len(word) - 1), c + dc * (len(word) - 1))
                if not (0 <= end[0] < 18 and 0 <= end[1] < 20):
                    continue
                if all(grid[r + dr * k][c + dc * k] == word[k] for k in range(len(word))):
                    yield (r, c), end


def moves(frm, to):
    keys = ["Down" if to[0] > frm[0] else "Up"] * abs(to[0] - frm[0])
    return keys + ["Right" if to[1] > frm[1] else "Left"] * abs(to[1] - frm[1])


class Board:
    """The board of a game just started, read from the bus: its letter grid and word list. It
    plays words with the keyboard cursor, as a screen-reader user would."""

    def __init__(self, app, main_title, word_count):
        self.title = main_title

        def ready():
            """Shown, its list filled and its letters in place."""
            word_list = find(app, pyatspi.ROLE_LIST, "Word list")
            table = find(app, pyatspi.ROLE_TABLE, "Letter grid")
            if word_list is None or table is None or word_list.childCount != word_count:
                return None
            if not table.getState().contains(pyatspi.STATE_SHOWING) or table.childCount != 360:
                return None
            letter = table.queryTable().getAccessibleAt(17, 19).name
            return (table, word_list) if letter and not letter.startswith("blank") else None

        self.table, self.word_list = wait_for("the new game's board", ready)
        self.grid = read_grid(self.table)
        print("grid read: " + " / ".join("".join(row) for row in self.grid[:2]) + " ...")
        press(main_title, "Home", "Prior")  # from wherever the cursor was to row 1, column 1
        wait_for("the cursor on the first cell",
                 lambda: self.cell(0, 0).getState().contains(pyatspi.STATE_FOCUSED))
        self.at = (0, 0)

    def cell(self, row, column):
        return self.table.queryTable().getAccessibleAt(row, column)

    def items(self):
        return [self.word_list.getChildAtIndex(i) for i in range(self.word_list.childCount)]

    def strike(self, item):
        """Selects the word of a list item from its first to its last letter and waits until the
        game says it is found; returns the time of the key that struck it."""
        word = item.name
        for first, last in occurrences(self.grid, word):
            # A last key whose move is seen on the bus shows that the second space was handled.
            after = (17 if last[0] == 0 else 0, last[1])
            press(self.title, *moves(self.at, first), "space", gap=KEY_GAP)
            anchor = "Selection starts at " + self.cell(*first).name
            wait_for("the selection's start announced", lambda: (anchor in names(heard)))
            press(self.title, *moves(first, last), gap=KEY_GAP)
            struck_at = now()
            press(self.title, "space", "Next" if after[0] else "Prior")
            self.at = after
            wait_for("the keys to be handled",
                     lambda: self.cell(*after).getState().contains(pyatspi.STATE_FOCUSED))
            if item.name.endswith(", found"):
                break
            press(self.title, "Escape")  # letters that spell the word by chance
        else:
            fail("%s was not found where the grid's names spell it" % word)
        wait_for(word + " announced",
                 lambda: any(name.startswith(word + " found") for name in names(heard)))
        return struck_at
