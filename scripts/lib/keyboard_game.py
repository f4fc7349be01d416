"""Plays Quarrow from the keyboard alone through the real program: every menu command once,
reached through F10 and the menus' access keys, a standard game left and resumed, and a Time
Challenge played to the fastest-times table. Keys go in with xdotool only; what the game shows is
read from the accessibility bus, as a screen-reader user would hear it.

Run with Debian's python3 (python3-pyatspi) inside the session set up by scripts/check-keyboard.
Usage: keyboard_game.py PROGRAM THEME_TITLE PLAYER_NAME
The theme must be the first in the new-game list and hold twenty words.
Every wait is for an event or a state, bounded by a deadline; none is a fixed pause."""

import atexit
import re
import subprocess
import sys

import pyatspi

from atspi_player import (Board, fail, focused, game, heard, names, on_name_change, press,
                          wait_for, walk, window)

MAIN = "Quarrow [Tarnwick Software]"
used = []  # menu commands, in the order they were chosen


def menu_item(app, name):
    """An entry of an open menu, by its caption without the access key's mark."""
    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if top is None or not top.getState().contains(pyatspi.STATE_SHOWING):
            continue
        for node in walk(top):
            if node.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
                                  pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU) and \
                    node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
    return None


def choose(app, keys, caption):
    """Opens the menus with all keys but the last, sees the entry on the bus, and chooses it
    with the last key. Returns whether the entry was checked before."""
    # A key pressed while a closing window still has the keyboard is lost: press again.
    for _ in range(3):
        press(MAIN, *keys[:-1])
        entry = wait_for("the menu entry " + caption, lambda: menu_item(app, caption), 10, False)
        if entry is not None:
            break
        press(MAIN, "Escape", "Escape", "Escape")
    else:
        fail("the keys %s never showed %s" % (" ".join(keys[:-1]), caption))
    if not entry.getState().contains(pyatspi.STATE_ENABLED):
        fail(caption + " is greyed")
    checked = entry.getState().contains(pyatspi.STATE_CHECKED)
    press(MAIN, keys[-1])
    wait_for("the menu to close", lambda: menu_item(app, caption) is None)
    used.append(caption)
    return checked


def answer(app, title, *keys):
    """A window that the last command opened: waits for it, presses the keys into it and waits
    until it has gone."""
    wait_for("the window " + title, lambda: window(app, re.escape(title)))
    press(title, *keys)
    wait_for(title + " to close", lambda: window(app, re.escape(title)) is None)


def tab_to(app, title, name):
    """Moves the focus with Tab to the control of that name, reading each stop from the bus."""
    top = wait_for("the window " + title, lambda: window(app, re.escape(title)))
    for _ in range(40):
        here = focused(top)
        if here is not None and here.name == name:
            return
        press(title, "Tab")
        wait_for("the focus to move", lambda: focused(top) != here)
    fail("Tab never reached %s in %s" % (name, title))


def toggle_twice(app, keys, caption):
    before = choose(app, keys, caption)
    if choose(app, keys, caption) == before:
        fail(caption + " did not change its check mark")


def start(program):
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    atexit.register(lambda: process.poll() is None and process.kill())  # a check that failed
    app = wait_for("the game on the bus", game)
    return process, app


def end(process, app, question):
    choose(app, ["alt+f", "x"], "Exit")
    answer(app, question, "y")
    if process.wait(timeout=60) != 0:
        fail("the game ended with status %d" % process.returncode)


def found(board):
    return sum(item.name.endswith(", found") for item in board.items())


def commands_without_a_game(app):
    press(MAIN, "F10")  # the first menu, as on the rest of the desktop
    wait_for("F10 to open the File menu", lambda: menu_item(app, "New WordSearch"))
    press(MAIN, "Escape")
    wait_for("the File menu to close", lambda: menu_item(app, "New WordSearch") is None)
    choose(app, ["alt+h", "w"], "Warranty")
    answer(app, "Warranty", "Return")
    choose(app, ["alt+h", "a"], "About")
    answer(app, "About QRW", "Escape")
    choose(app, ["alt+h", "i"], "Instructions")  # hands ReadMe.htm to the desktop's opener
    choose(app, ["alt+t", "d"], "Download / Upload Puzzles")
    answer(app, "Open Webpage", "n")
    choose(app, ["alt+t", "c"], "Create QRW Puzzle")
    tab_to(app, "Create Quarrow Puzzle", "Cancel")
    answer(app, "Create Quarrow Puzzle", "space")
    choose(app, ["alt+t", "e"], "Edit QRW Puzzle")
    answer(app, "Open", "Escape")
    choose(app, ["alt+o", "s"], "Statistics...")
    answer(app, "QRW Statistics", "Return")
    choose(app, ["alt+o", "t"], "Fastest Times")
    answer(app, "Fastest Times", "Return")
    for key, level in (("e", "Easy"), ("h", "Hard"), ("x", "Expert"), ("m", "Medium")):
        choose(app, ["alt+o", "d", key], level)
        answer(app, "Difficulty " + level, "Return")
    choose(app, ["alt+o", "f", "g"], "QRW Grid")
    answer(app, "Select Font", "Escape")
    choose(app, ["alt+o", "f", "w"], "QRW Words (Questions)")
    answer(app, "Select Font", "Escape")
    choose(app, ["alt+o", "f", "r"], "Reset to Default")
    for key, caption in (("i", "Zoom In"), ("o", "Zoom Out"), ("a", "Actual Size")):
        choose(app, ["alt+o", "z", key], caption)
    toggle_twice(app, ["alt+o", "z", "f"], "Fit to Window")
    for key, caption in (("c", "Colour Found Words"), ("a", "Show Answers"), ("h", "High Contrast")):
        toggle_twice(app, ["alt+o", "v", key], caption)
    toggle_twice(app, ["alt+o", "o"], "Sound")
    choose(app, ["alt+f", "p"], "Print")
    answer(app, "No Puzzle Loaded", "Return")
    choose(app, ["alt+f", "u"], "Print Setup ...")
    answer(app, "Print Setup", "Escape")


def commands_in_a_game(app, title):
    """The first game: the commands of a game in play, one word revealed and one found."""
    choose(app, ["alt+f", "n"], "New WordSearch")
    answer(app, "Quarrow : New Game", "Return")  # the first theme, a standard game
    board = Board(app, MAIN, 20)
    choose(app, ["alt+o", "i"], "Puzzle Information")
    answer(app, "Puzzle Information", "Return")
    choose(app, ["alt+o", "a"], "Pause")
    wait_for("the pause", lambda: "Paused" in names(heard))
    choose(app, ["alt+o", "a"], "Pause")
    wait_for("the game to go on", lambda: board.table.childCount == 360)
    choose(app, ["alt+f", "p"], "Print")
    answer(app, "Print WordSearch", "Escape")
    choose(app, ["alt+o", "r"], "Reveal Puzzle")
    answer(app, "Reveal Puzzle", "n")
    choose(app, ["alt+o", "w"], "Reveal Word")
    # The focus opens on Cancel; the list is one Tab away, and the arrows walk it.
    dialog = wait_for("the reveal dialog", lambda: window(app, "Reveal QRW Word"))
    wait_for("the focus on Cancel", lambda: (focused(dialog) or dialog).name == "Cancel")
    answer(app, "Reveal QRW Word", "Tab", "Down", "Return")
    wait_for("the revealed word", lambda: found(board) == 1)
    for item in board.items():
        if not item.name.endswith(", found"):
            board.strike(item)
            break
    print("first game: %d words struck, then left" % found(board))


def time_challenge(app, player):
    choose(app, ["alt+f", "n"], "New WordSearch")
    tab_to(app, "Quarrow : New Game", "Standard Game")
    answer(app, "Quarrow : New Game", "Down", "Return")  # to Time Challenge, and start
    board = Board(app, MAIN, 20)
    for item in board.items():
        board.strike(item)
    # A time that beats the tenth row: the name prompt comes before the end-of-game dialog.
    answer(app, "High Score", *list(player), "Return")
    wait_for("the end-of-game dialog", lambda: window(app, " QRW Puzzle Complete"))
    tab_to(app, " QRW Puzzle Complete", "View Fastest Times")
    press(" QRW Puzzle Complete", "space")
    table = wait_for("the fastest-times table", lambda: window(app, "Fastest Times"))
    rows = [node.name for node in walk(table) if node.getRole() == pyatspi.ROLE_LABEL]
    if player not in rows:
        fail("the fastest-times table does not list %s: %s" % (player, rows))
    print("fastest times: " + "; ".join(name for name in rows if name))
    answer(app, "Fastest Times", "Return")
    answer(app, " QRW Puzzle Complete", "Return")


def main():
    program, title, player = sys.argv[1:4]
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")

    process, app = start(program)
    answer(app, "Warranty", "Return")
    wait_for("the main window", lambda: window(app, re.escape(MAIN)))
    commands_without_a_game(app)
    commands_in_a_game(app, title)
    end(process, app, "Cancel Current Game?")

    process, app = start(program)
    wait_for("the main window", lambda: window(app, re.escape(MAIN)))
    choose(app, ["alt+f", "r"], "Resume Saved Game")
    board = Board(app, MAIN, 20)
    if found(board) != 2:
        fail("the resumed game has %d words struck, not 2" % found(board))
    for item in board.items():
        if not item.name.endswith(", found"):
            board.strike(item)
    answer(app, " QRW Puzzle Complete", "Return")
    print("resumed game finished")

    time_challenge(app, player)
    end(process, app, "Quit QRW Pro?")
    print("menu commands used: %d (%s)" % (len(set(used)), ", ".join(sorted(set(used)))))
    print("keyboard check passed")


main()
