"""Plays one Quarrow game through the accessibility bus with Orca listening: reads the new-game
dialog's controls by name and tabs through them, reads the grid table and the word list, finds
every word in the letters it read, plays it with the keyboard and waits for its list item to say
found, pauses and goes on, then reads the end-of-game dialog. After each step it reads Orca's
debug file for what Orca said, and how long after the key the struck word was spoken.

Run with Debian's python3 (python3-pyatspi) inside the private bus set up by scripts/check-a11y.
Usage: a11y_client.py THEME_TITLE ORCA_DEBUG_FILE|- WORD...
Every wait is for an event or a state, bounded by a deadline; none is a fixed pause."""

import re
import sys

import pyatspi

from atspi_player import (Board, Orca, SPEECH_LATE, fail, find, focusable_names, focused, game,
                          heard, names, now, on_name_change, press, wait_for, walk, window)


def pause(app, table, word_list, orca, main_title):
    """F9 pauses: the cover hides the letters and the list from the bus too, and Orca says so."""
    since = now()
    press(main_title, "F9")
    wait_for("the pause announced", lambda: "Paused" in names(heard))
    if table.childCount or word_list.childCount:
        fail("the paused board still shows %d cells and %d entries" % (
            table.childCount, word_list.childCount))
    orca.wait("the pause", "Paused", since)
    press(main_title, "F9")
    wait_for("the game to go on", lambda: table.childCount == 360)
    print("the pause cover hid the board from the bus%s" % (
        "; Orca said so" if orca.listening else ""))


def main():
    title, orca, words = sys.argv[1], Orca(sys.argv[2]), [w.upper() for w in sys.argv[3:]]
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
    # Once round the dialog with Tab: Orca says every control it lands on.
    visited = []
    while True:
        before = focused(dialog)
        opened = now()
        press("Quarrow : New Game", "Tab")
        landed = wait_for("the focus to move",
                          lambda: (lambda f: f if f is not None and f != before else None)(
                              focused(dialog)))
        if landed.getRole() == pyatspi.ROLE_LIST_ITEM or landed.name == "Themes":
            break
        orca.wait(landed.name, landed.name, opened)
        visited.append(landed.name)
        if len(visited) > 20:
            fail("Tab never came back to the theme list: %s" % visited)
    print("new-game controls, Tab by Tab%s: %s" % (
        ", each said by Orca" if orca.listening else "", ", ".join(visited)))
    press("Quarrow : New Game", "Return")

    board = Board(app, main_title, len(words))
    table, word_list = board.table, board.word_list
    items = board.items()
    if sorted(item.name for item in items) != sorted(words):
        fail("the word list says %s" % [item.name for item in items])

    delays = []
    for number, item in enumerate(items, 1):
        word = item.name
        struck_at = board.strike(item)
        spoken = "%s found, %d of %d" % (word, number, len(items))
        delays.append(orca.wait(spoken, spoken, struck_at) - struck_at)
        if number == 1:
            pause(app, table, word_list, orca, main_title)
    print("played %d words" % len(items))
    if orca.listening:
        print("Orca said each struck word %.2f s after its key at most (%s)" % (
            max(delays), " ".join("%.2f" % d for d in delays)))
        if max(delays) > SPEECH_LATE:
            fail("Orca fell behind the game")

    wait_for("the end announced", lambda: any("Puzzle complete" in name for name in names(heard)))
    end = wait_for("the end-of-game dialog", lambda: window(app, " QRW Puzzle Complete"))
    orca.wait("the end-of-game dialog", "QRW Puzzle Complete")
    labels = [node.name for node in walk(end) if node.getRole() == pyatspi.ROLE_LABEL]
    if title not in labels:
        fail("the end-of-game dialog does not name the puzzle: %s" % labels)
    print("end-of-game dialog reads: " + "; ".join(labels))
    orca.wait("the puzzle's title", title)
    if orca.listening:
        print("Orca said the end-of-game dialog")
    press(" QRW Puzzle Complete", "Return")
    wait_for("the end-of-game dialog to close", lambda: window(app, " QRW Puzzle Complete") is None)
    print("a11y check passed")


main()
