#!/usr/bin/python3
# A game outlives its program. Two players, the computer off (the settings say so): two pairs
# are found, the game is killed outright (kill -9) and started again; it comes back with the
# same cards in the same places, the found pairs gone, the same player at turn with the same
# count. One card is turned and the game left by Exit; the next start shows that card face up
# again. The game is then played to its end, and the score screen counts the pairs of all three
# runs. Everything is read through the accessibility tree and done with keys, as in
# screen-reader.py.
#
# Usage (on a session bus of its own, inside an X server): kept-game.py GAME TITLE
import os
import signal
import sys
import time

import atspi_player as player
from atspi_player import fail, focused_cell, key, named, read_board, status, wait_for

GAME, TITLE = sys.argv[1], sys.argv[2]
NAMES = ["Ann", "Bob"]
seen = {}  # (row, col) -> picture, once the card was shown
pairs = {}


def board_of(main):
    board = wait_for("the board", lambda: named(main, "table", "Board"))
    wait_for("a board of cards", lambda: read_board(board))
    wait_for("the focus on the board", focused_cell)
    return board


def restart(before, what):
    """Starts the game again; it must show the board BEFORE (cells, and who is at turn with
    which count) without a key pressed."""
    main = player.start(GAME, TITLE)
    board = board_of(main)
    cells = read_board(board)
    if cells != before[0]:
        fail("after %s the board is %r, not %r" % (what, cells, before[0]))
    if status(main) != before[1]:
        fail("after %s the status says %r, not %r" % (what, status(main), before[1]))
    return main, board


main = player.start(GAME, TITLE)
key("Return")  # play has the focus
board = board_of(main)
while sum(pairs.values()) < 2:
    if player.play_turn(board, main, seen, pairs) is not True:
        fail("the board ended before two pairs were found")
before = (read_board(board), status(main))
os.kill(player.game.pid, signal.SIGKILL)
player.game.wait()
main, board = restart(before, "kill -9")

first = next(place for place, (state, _) in sorted(read_board(board).items())
             if state == "face down")
player.turn(board, first, seen)
before = (read_board(board), status(main))
player.leave()
main, board = restart(before, "Exit with one card turned")

# The turn goes on from its first card: pick its twin if known, else any other.
hidden = [place for place, (state, _) in sorted(read_board(board).items())
          if state == "face down"]
second = next((place for place in hidden if seen.get(place) == seen[first]), hidden[0])
turn_player = status(main)[0]
player.turn(board, second, seen)
pairs[turn_player] = pairs.get(turn_player, 0) + (seen[first] == seen[second])
wait_for("the pair to be settled", lambda: read_board(board)[second][0] != "face up")
for _ in range(40):
    if player.play_turn(board, main, seen, pairs) in (False, "last"):
        break
else:
    fail("the game does not end")
expected = player.check_score(pairs, NAMES)
key("Return")
wait_for("the score screen to close", lambda: player.top("Score") is None)
player.leave()

# A finished game is not kept: the next start shows the cover.
main = player.start(GAME, TITLE)
wait_for("the focus on play", lambda: player.focus_is("push button", "Play"))
time.sleep(2)  # the rest of the window is built after the first picture
if named(main, "table", "Board") is not None:
    fail("a finished game came back")
player.game.terminate()
if player.game.wait() != 0:
    fail("the game ended with %d when told to end" % player.game.returncode)
print("kept-game: %s" % expected)
