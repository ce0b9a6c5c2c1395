#!/usr/bin/python3
# A player who cannot see plays a whole game of two: everything is read through the
# accessibility tree (AT-SPI, as a screen reader reads it) and done with key presses; no pixel
# is looked at and no point is clicked. The player opens help and about and closes them, turns
# the computer off and names two players in the options, plays the board to its end remembering
# the faces by the numbers the cards announce, hears every card turned and every pair judged,
# reads the verdict on the score screen and leaves.
#
# Usage (on a session bus of its own, inside an X server): screen-reader.py GAME TITLE
# With SHOTS naming a folder, the screen at some steps is saved there for people to look at the
# keyboard's focus (the check never reads them).
import subprocess
import sys

from atspi_player import (announced, check_score, fail, focus_is, has, key, leave, named,
                          play_turn, press_until_focused, read_board, role, shot, start, top,
                          focused_cell, wait_for, walk)
import pyatspi

GAME, TITLE = sys.argv[1], sys.argv[2]
main = start(GAME, TITLE)

# The start: play has the focus, the welcome was said, and nothing hidden is in the tree (the
# cover once hid a board there).
wait_for("the focus on play", lambda: focus_is("push button", "Play"))
for node in walk(main):
    if node is not main and not has(node, pyatspi.STATE_VISIBLE) or role(node) == "table":
        fail("the tree shows something hidden: %s %r" % (role(node), node.name))
wait_for("the welcome to be said", lambda: "Welcome" in announced)

# Help, reached through the window buttons, closes with Escape; about with Enter.
press_until_focused("Tab", "push button", "Help")
shot("1-window-buttons")
key("Return")
wait_for("the help window's close button to have the focus",
         lambda: top("Help") and focus_is("push button", "Close"))
key("Tab")
shot("2-help-text")
key("Escape")
wait_for("the help window to close", lambda: top("Help") is None)
press_until_focused("Tab", "push button", "About")
key("Return")
wait_for("the about box", lambda: top("About"))
press_until_focused("Tab", "label", "tesselo@kovalent.example")
shot("3-about-link")
press_until_focused("Tab", "push button", "Close")
key("Return")
wait_for("the about box to close", lambda: top("About") is None)

# Options: two named players, without the computer.
press_until_focused("Tab", "push button", "Options")
key("Return")
wait_for("the options panel", lambda: named(main, "panel", "Options"))
for field, player in (("Player 1 name", "Ann"), ("Player 2 name", "Bob")):
    press_until_focused("Tab", "text", field)
    subprocess.run(["xdotool", "type", "--delay", "20", player], check=True)
press_until_focused("Tab", "check box", "Computer player")
key("space")
wait_for("the computer to be off", lambda: not has(named(main, "check box", "Computer player"),
                                                   pyatspi.STATE_CHECKED))
press_until_focused("Tab", "slider", "Computer level")
shot("4-options-slider")
press_until_focused("Tab", "push button", "Play")
key("Return")

# ---- The board -------------------------------------------------------------------------------
board = wait_for("the board", lambda: named(main, "table", "Board"))
if named(main, "panel", "Options") is not None:
    fail("the hidden options panel is still in the tree")
cells = wait_for("a dealt board", lambda: read_board(board))
if len(cells) != 16 or any(state != "face down" for state, _ in cells.values()):
    fail("the new board is not 16 face-down cards: %r" % cells)
wait_for("the focus on the board", focused_cell)
seen = {}  # (row, col) -> picture, once the card was shown
pairs = {"Ann": 0, "Bob": 0}
for turns in range(1, 41):
    if play_turn(board, main, seen, pairs) in (False, "last"):
        break
else:
    fail("the game does not end")

# ---- The score screen ------------------------------------------------------------------------
expected = check_score(pairs, ["Ann", "Bob"])
wait_for("the focus on the score screen's close button", lambda: focus_is("push button", "Close"))
shot("5-score")
key("Return")
wait_for("the score screen to close", lambda: top("Score") is None)

# After the game every card shows its face, and the next thing offered is to play again.
if any(state != "face up" for state, _ in read_board(board).values()):
    fail("the finished board hides faces: %r" % read_board(board))
wait_for("the focus back on play", lambda: focus_is("push button", "Play"))
shot("6-after-the-game")
leave()
print("screen-reader: %s, after %d turns and %d announcements" % (expected, turns, len(announced)))
