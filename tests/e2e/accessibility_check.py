# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program over AT-SPI, as a screen reader does.

    accessibility_check.py

The program must be running on this display and accessibility bus, between
two humans, with a game just started. Checks that the board is a table of 64
cells with the start position's names, that player 1's panel reads its
player and count, that clicking the cell of D3 (found by its place on the
screen) announces the move and renames the cell, that Ctrl+L shows the move
list with a row for that move, and that Ctrl+Z and Ctrl+Shift+Z take the move
back and play it again. Exit status 0 when all holds.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def descendants(accessible, depth=0):
    """Every object below `accessible`, depth first, a few levels deep."""
    if depth > 6:
        return
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child, depth + 1)


def poll(seconds, find):
    """Runs `find` until it returns something, for at most `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except Exception:  # an object that went away while it was read
            found = None
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.2)


def the_program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "quellix":
            return application
    return None


application = poll(30, the_program)
if application is None:
    print("FAIL: the program did not appear on the accessibility bus within 30 s")
    sys.exit(1)


def started_board():
    """The board table once it shows the start position."""
    for accessible in descendants(application):
        if accessible.getRole() == pyatspi.ROLE_TABLE and accessible.name == "Board":
            if any(cell.name == "E4, dark disc" for cell in accessible):
                return accessible
    return None


board = poll(20, started_board)
if board is None:
    print("FAIL: no table named Board showing the start position")
    sys.exit(1)

table = board.queryTable()
if board.childCount != 64 or table.nRows != 8 or table.nColumns != 8:
    fail("the board has %d cells in %d rows of %d columns, not 64 in 8 of 8"
         % (board.childCount, table.nRows, table.nColumns))
names = [cell.name for cell in board]
if any(cell.getRole() != pyatspi.ROLE_TABLE_CELL for cell in board):
    fail("not every child of the board is a table cell")
for expected in ("D3, empty, legal move", "D4, light disc", "E4, dark disc", "A1, empty"):
    if expected not in names:
        fail("no cell reads %r" % expected)
d3 = table.getAccessibleAt(2, 3)
if d3.name != "D3, empty, legal move":
    fail("the cell in row 3, column D reads %r" % d3.name)

panels = [accessible.name for accessible in descendants(application)
          if accessible.getRole() == pyatspi.ROLE_LABEL and accessible.name.startswith("Player 1")]
if not any("2 pieces" in name for name in panels):
    fail("no panel reads with \"Player 1\" and \"2 pieces\" (%r)" % panels)

# --- A click on the cell's place on the screen: the move is announced -------

heard = []


def listen(event):
    try:
        heard.append((event.type, event.source.name, event.detail1))
    except Exception:
        pass
    if ("object:state-changed:showing", "Player 1 played D3", 1) in heard and \
            any(name.startswith("D3, dark disc") for _, name, _ in heard):
        pyatspi.Registry.stop()


def click_d3():
    extents = d3.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2),
                    str(extents.y + extents.height // 2), "click", "1"], check=False)
    return False


def give_up():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing",
                                       "object:property-change:accessible-name")
GLib.timeout_add(200, click_d3)
GLib.timeout_add(20000, give_up)
pyatspi.Registry.start()

if ("object:state-changed:showing", "Player 1 played D3", 1) not in heard:
    fail("clicking D3 showed no notification \"Player 1 played D3\" (heard %r)" % heard)
if not any(kind == "object:property-change:accessible-name" and name.startswith("D3, dark disc")
           for kind, name, _ in heard):
    fail("clicking D3 raised no name change of its cell (heard %r)" % heard)
if d3.name != "D3, dark disc, last move":
    fail("after the move the cell of D3 reads %r" % d3.name)

# --- The move list, opened by key: a row a move; undo and redo by key ------


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=False)


def move_list_reading(row):
    """The list named Moves once one of its rows reads `row`."""
    for accessible in descendants(application):
        if accessible.getRole() == pyatspi.ROLE_LIST and accessible.name == "Moves":
            if any(item.name == row for item in accessible):
                return accessible
    return None


key("ctrl+l")
if poll(20, lambda: move_list_reading("1. d3")) is None:
    fail("Ctrl+L showed no list named Moves with a row reading \"1. d3\"")
key("ctrl+z")
if not poll(10, lambda: d3.name == "D3, empty, legal move"):
    fail("after Ctrl+Z the cell of D3 reads %r" % d3.name)
key("ctrl+shift+z")
if not poll(10, lambda: d3.name == "D3, dark disc, last move"):
    fail("after Ctrl+Shift+Z the cell of D3 reads %r" % d3.name)
if poll(10, lambda: move_list_reading("1. d3")) is None:
    fail("after Ctrl+Shift+Z the move list has no row reading \"1. d3\"")

sys.exit(1 if failures else 0)
