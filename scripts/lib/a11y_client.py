"""Plays one Quarrow game through the accessibility bus: reads the new-game dialog's controls by
name, reads the grid table and the word list, finds every word in the letters it read, plays it
with the keyboard and waits for its list item to say found, then reads the end-of-game dialog.

Run with Debian's python3 (python3-pyatspi) inside the private bus set up by scripts/check-a11y.
Usage: a11y_client.py THEME_TITLE WORD...
Every wait is for an event or a state, bounded by a deadline; none is a fixed pause."""

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
    return [name for role, name in events if role == "status bar"]


def wait_for(what, probe):
    """Runs the event loop until probe() gives a true value, which is returned."""
    deadline = time.monotonic() + DEADLINE
    context = GLib.MainContext.default()
    while True:
        try:
            value = probe()
        except GLib.Error:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            fail("gave up waiting for " + what)
        # Sleeps on the event loop: an event wakes it at once, the timer bounds the wait.
        woke = []
        source = GLib.timeout_add(100, lambda: woke.append(1) and False)
        context.iteration(True)
        if not woke:
            GLib.source_remove(source)


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


def press(title, *keys):
    """Focuses the X window with that exact title and presses the keys, as a player would."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$"],
                         capture_output=True, text=True).stdout.split()
    if not ids:
        fail("no X window named " + title)
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=True)
    subprocess.run(["xdotool", "key", "--delay", "20", *keys], check=True)


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


def main():
    title, words = sys.argv[1], [w.upper() for w in sys.argv[2:]]
    for kind in ("object:property-change:accessible-name", "object:state-changed:focused",
                 "focus:", "window:activate"):
        pyatspi.Registry.registerEventListener(on_name_change if "name" in kind else lambda e: None,
                                               kind)

    app = wait_for("the game on the bus", game)
    wait_for("the warranty question", lambda: window(app, "Warranty"))
    press("Warranty", "Return")
    main_title = "Quarrow [Tarnwick Software]"
    wait_for("the main window", lambda: window(app, re.escape(main_title)))
    press(main_title, "ctrl+n")

    dialog = wait_for("the new-game dialog", lambda: window(app, "Quarrow : New Game"))
    controls = focusable_names(dialog)
    unnamed = [role for role, name in controls if not name]
    if unnamed:
        fail("new-game controls without a name: %s" % unnamed)
    expected = {("list", "Themes"), ("radio button", "Show Words to Find"),
                ("radio button", "Medium"), ("radio button", "Time Challenge"),
                ("push button", "Start Game"), ("push button", "Cancel")}
    if not expected <= set(controls):
        fail("new-game dialog lacks %s; it has %s" % (expected - set(controls), controls))
    themes = find(dialog, pyatspi.ROLE_LIST, "Themes")
    first = themes.getChildAtIndex(0).name
    if not first.startswith("aaa_"):
        fail("the check's theme is not the first in the list: %r" % first)
    print("new-game dialog: %d named controls" % len(controls))
    press("Quarrow : New Game", "Return")

    def board_ready():
        """The new game's board: shown, its list filled and its letters in place."""
        word_list = find(app, pyatspi.ROLE_LIST, "Word list")
        table = find(app, pyatspi.ROLE_TABLE, "Letter grid")
        if word_list is None or table is None or word_list.childCount != len(words):
            return None
        if not table.getState().contains(pyatspi.STATE_SHOWING) or table.childCount != 360:
            return None
        letter = table.queryTable().getAccessibleAt(17, 19).name
        return (table, word_list) if letter and not letter.startswith("blank") else None

    table, word_list = wait_for("the new game's board", board_ready)
    grid = read_grid(table)
    print("grid read: " + " / ".join("".join(row) for row in grid[:2]) + " ...")
    items = [word_list.getChildAtIndex(i) for i in range(word_list.childCount)]
    if sorted(item.name for item in items) != sorted(words):
        fail("the word list says %s" % [item.name for item in items])

    board_cell = lambda r, c: table.queryTable().getAccessibleAt(r, c)
    press(main_title, "Home", "Home", "Prior")  # the first key shows the cursor; then cell 1
    wait_for("the cursor on the first cell",
             lambda: board_cell(0, 0).getState().contains(pyatspi.STATE_FOCUSED))
    at = (0, 0)
    for item in items:
        word = item.name
        for first, last in occurrences(grid, word):
            # A last key whose move is seen on the bus shows that the second space was handled.
            after = (17 if last[0] == 0 else 0, last[1])
            press(main_title, *moves(at, first), "space")
            anchor = "Selection starts at " + board_cell(*first).name
            wait_for("the selection's start announced", lambda: (anchor in names(heard)))
            press(main_title, *moves(first, last), "space", "Next" if after[0] else "Prior")
            at = after
            wait_for("the keys to be handled",
                     lambda: board_cell(*after).getState().contains(pyatspi.STATE_FOCUSED))
            if item.name.endswith(", found"):
                break
            press(main_title, "Escape")  # letters that spell the word by chance
        else:
            fail("%s was not found where the grid's names spell it" % word)
        wait_for(word + " announced",
                 lambda: any(name.startswith(word + " found") for name in names(heard)))
    print("played %d words" % len(items))

    wait_for("the end announced", lambda: any("Puzzle complete" in name for name in names(heard)))
    end = wait_for("the end-of-game dialog", lambda: window(app, " QRW Puzzle Complete"))
    labels = [node.name for node in walk(end) if node.getRole() == pyatspi.ROLE_LABEL]
    if title not in labels:
        fail("the end-of-game dialog does not name the puzzle: %s" % labels)
    print("end-of-game dialog reads: " + "; ".join(labels))
    press(" QRW Puzzle Complete", "Return")
    wait_for("the end-of-game dialog to close", lambda: window(app, " QRW Puzzle Complete") is None)
    print("a11y check passed")


main()
