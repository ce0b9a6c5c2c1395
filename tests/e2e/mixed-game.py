#!/usr/bin/python3
# A player who cannot see plays a set whose pairs are two different cards (a shape and its
# name) against the computer: every face-up card must say its name or word, and a picture and
# its word make a pair because they say the same name, never because they look alike. Ann
# plays by ear with what she has heard, the computer by its memory; killed outright once a pair
# is gone, the game comes back as it was; the score screen must count the pairs both were told. Everything is read through the accessibility tree and done with
# keys, as in screen-reader.py.
#
# Usage (on a session bus of its own, inside an X server): mixed-game.py GAME TITLE
import os
import re
import signal
import sys

import atspi_player as player
from atspi_player import (announced, check_score, children, fail, focused_cell, key, named,
                          read_board, role, top, wait_for)

GAME, TITLE = sys.argv[1], sys.argv[2]
NAMES = ["Computer", "Ann"]
seen = {}  # (row, col) -> what the card said, once it was shown
pairs = {}

main = player.start(GAME, TITLE)
key("Return")  # play has the focus
board = wait_for("the board", lambda: named(main, "table", "Board"))
wait_for("a board of cards", lambda: read_board(board))


def learn():
    """What the computer's turns showed, as a listener hears it."""
    for place, (state, face) in read_board(board).items():
        if state == "face up":
            seen[place] = face
    return False


def computer_at_turn():
    """Whether the status line names the computer; not once the game has ended."""
    learn()
    line = next((node.name for node in children(main) if role(node) == "label"), "")
    return line.startswith("Computer (pairs: ")


restarted = False
for turns in range(1, 61):
    if top("Score") is not None:
        break
    if computer_at_turn():
        wait_for("the computer's turn to end", lambda: not computer_at_turn())
        continue
    wait_for("the focus on the board", focused_cell)
    if not restarted and any(state == "removed" for state, _ in read_board(board).values()):
        # Killed outright, the game comes back with every card where it was, saying the same.
        restarted, before = True, read_board(board)
        os.kill(player.game.pid, signal.SIGKILL)
        player.game.wait()
        main = player.start(GAME, TITLE)
        board = wait_for("the board", lambda: named(main, "table", "Board"))
        wait_for("the board as it was before the kill", lambda: read_board(board) == before)
        wait_for("the focus on the board", focused_cell)
    if player.play_turn(board, main, seen, pairs) in (False, "last"):
        break
else:
    fail("the game does not end")

if not restarted:
    fail("the game ended before a pair was found on Ann's turn")
faces = set(seen.values())
if any(face.startswith("picture ") for face in faces):
    fail("a card of the learning set says only its number: %r" % sorted(faces))
if not any(" " in face for face in faces):
    fail("the cards said no names: %r" % sorted(faces))
pairs["Computer"] = sum(len(re.findall(r"Pair of [^.]* for Computer\b", text))
                        for text in announced)
verdict = check_score(pairs, NAMES)
if sum(pairs.values()) != 8:
    fail("the score counts %r, not 8 pairs" % pairs)
key("Return")
wait_for("the score screen to close", lambda: top("Score") is None)
player.leave()
print("mixed-game: %s, %r, %d faces heard" % (verdict, pairs, len(faces)))
