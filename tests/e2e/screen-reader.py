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
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, TITLE = sys.argv[1], sys.argv[2]
PATIENCE = 60  # seconds; a loaded machine may take its time over anything
CELL = re.compile(r"^row (\d+), column (\d+), (face down|face up|removed)(?:, picture (\d+))?$")
STATUS = re.compile(r"^(.*) \(pairs: \d+\)$")

game = None
announced = []  # every announcement heard, in order
listened = {}  # notification -> the text last heard from it


def fail(message):
    print("FAIL: %s\nheard: %r" % (message, announced), file=sys.stderr)
    if game is not None and game.poll() is None:
        game.kill()
    sys.exit(1)


def hear(notification):
    text = notification.name
    if text and listened.get(notification) != text:
        listened[notification] = text
        announced.append(text)


def pump():
    """Delivers pending events; also reads the notifications, in case an event comes late."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)
    for notification in list(listened):
        try:
            hear(notification)
        except Exception:  # its window has gone
            del listened[notification]


def wait_for(what, condition):
    deadline = time.monotonic() + PATIENCE
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # an object that went away while being read: read again
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            fail("waited in vain for " + what)
        time.sleep(0.05)


def shot(name):
    if os.environ.get("SHOTS"):
        pump()
        time.sleep(0.3)  # only for the pictures: let the window finish painting
        subprocess.run(["import", "-window", "root",
                        os.path.join(os.environ["SHOTS"], name + ".png")], check=True)


def key(*names):
    if names:
        subprocess.run(["xdotool", "key", *names], check=True)


def children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount))
            if child is not None]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def has(node, state):
    return node.getState().contains(state)


def role(node):
    return node.getRoleName()


def named(window, role_name, name):
    return next((node for node in walk(window) if role(node) == role_name and node.name == name),
                None)


pyatspi.Registry.registerEventListener(
    lambda event: event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION
    and hear(event.source), "object:property-change:accessible-name")
# In English whatever the desktop's language: the player listens for English words.
environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LC_ALL="C.UTF-8")
environment.pop("LANGUAGE", None)
game = subprocess.Popen([GAME], env=environment)
app = wait_for("the game on the accessibility bus", lambda: next(
    (app for app in pyatspi.Registry.getDesktop(0)
     if app is not None and app.get_process_id() == game.pid), None))


def top(name):
    """The game's window of that name, when it is on screen; its notifications are listened to."""
    for window in children(app):
        if window.name == name and has(window, pyatspi.STATE_SHOWING):
            for node in children(window):
                if node.getRole() == pyatspi.ROLE_NOTIFICATION:
                    listened.setdefault(node, None)
            return window
    return None


def focused():
    """The innermost object that has the focus in the game's windows on screen."""
    found = None
    for window in children(app):
        if has(window, pyatspi.STATE_SHOWING):
            for node in walk(window):
                if has(node, pyatspi.STATE_FOCUSED):
                    found = node
    return found


def focus_is(role_name, name):
    node = focused()
    return node is not None and role(node) == role_name and node.name == name


def press_until_focused(step, role_name, name):
    """Presses STEP until the focus is on that object, each press waiting for the focus to move."""
    for _ in range(25):
        if focus_is(role_name, name):
            return
        before = focused()
        key(step)
        wait_for("the focus to move on from %s" % (before and before.name),
                 lambda: focused() != before or focus_is(role_name, name))
    fail("%s never brought the focus to %s %r" % (step, role_name, name))


main = wait_for("the main window", lambda: top(TITLE))
window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", TITLE],
                           capture_output=True, text=True, check=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)

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


def read_board():
    """Every cell as {(row, col): (state, picture)}; a face-down card's picture is None."""
    cells = {}
    for cell in children(board):
        match = CELL.match(cell.name)
        hidden = match is not None and match.group(3) == "face down"
        if match is None or hidden == bool(match.group(4)) or cell.description:
            fail("a cell says %r (%r)" % (cell.name, cell.description))
        picture = None if hidden else int(match.group(4))
        cells[(int(match.group(1)), int(match.group(2)))] = (match.group(3), picture)
    return cells


def focused_cell():
    node = focused()
    match = CELL.match(node.name) if node is not None and role(node) == "table cell" else None
    return (int(match.group(1)), int(match.group(2))) if match else None


cells = wait_for("a dealt board", read_board)
if len(cells) != 16 or any(state != "face down" for state, _ in cells.values()):
    fail("the new board is not 16 face-down cards: %r" % cells)
wait_for("the focus on the board", focused_cell)
seen = {}  # (row, col) -> picture, once the card was shown
pairs = {"Ann": 0, "Bob": 0}


def turn(target):
    """Walks the focus to TARGET with the arrows, turns the card and hears its picture said."""
    here = wait_for("a focused cell", focused_cell)
    key(*(["Down"] * (target[0] - here[0]) + ["Up"] * (here[0] - target[0]) +
          ["Right"] * (target[1] - here[1]) + ["Left"] * (here[1] - target[1])))
    wait_for("the focus on %r" % (target,), lambda: focused_cell() == target)
    before = len(announced)
    key("Return")
    seen[target] = wait_for("the card at %r to turn" % (target,),
                            lambda: read_board()[target][1])
    said = "turns row %d, column %d: picture %d" % (target + (seen[target],))
    wait_for("the turn to be said", lambda: any(said in text for text in announced[before:]))


for turns in range(1, 41):
    hidden = [place for place, (state, _) in sorted(read_board().items()) if state == "face down"]
    if not hidden:
        break
    player = wait_for("a player's status", lambda: STATUS.match(
        next(node.name for node in children(main) if role(node) == "label"))).group(1)
    before = len(announced)
    known, pair = {}, None
    for place in (place for place in hidden if place in seen):
        pair = pair or (known[seen[place]], place) if seen[place] in known else pair
        known[seen[place]] = place
    if pair is None:
        first = next(place for place in hidden if place not in seen)
        turn(first)
        twins = [place for place in hidden if place != first and seen.get(place) == seen[first]]
        unseen = [place for place in hidden if place != first and place not in seen]
        pair = (first, (twins or unseen or [place for place in hidden if place != first])[0])
        turn(pair[1])
    else:
        turn(pair[0])
        turn(pair[1])
    matched = seen[pair[0]] == seen[pair[1]]
    verdict = ("Pair of picture %d for %s" % (seen[pair[0]], player) if matched
               else "The turn passes to")
    wait_for("the pair to be judged aloud (%s)" % verdict,
             lambda: any(verdict in text for text in announced[before:]))
    pairs[player] += matched
    if matched and len(hidden) == 2:
        break  # the last pair: the score screen comes next
    after = "removed" if matched else "face down"
    wait_for("the cards of %r to be %s" % (pair, after),
             lambda: all(read_board()[place][0] == after for place in pair))
else:
    fail("the game does not end")

# ---- The score screen ------------------------------------------------------------------------
score = wait_for("the score screen", lambda: top("Score"))
winners = [name for name, count in pairs.items() if count == max(pairs.values())]
expected = "The winner is: " + (winners[0] if len(winners) == 1 else "No winner")
labels = [node.name for node in walk(score) if role(node) == "label"]
if score.description != expected or expected not in labels:
    fail("the score screen says %r, %r, not %r" % (score.description, labels, expected))
for slot, name in enumerate(["Ann", "Bob"], start=1):
    if "Player %d: %s" % (slot, name) not in labels or \
            "Player %d pairs: %d" % (slot, pairs[name]) not in labels:
        fail("the score screen lists %r" % labels)
wait_for("the verdict to be said", lambda: expected in announced)
wait_for("the focus on the score screen's close button", lambda: focus_is("push button", "Close"))
shot("5-score")
key("Return")
wait_for("the score screen to close", lambda: top("Score") is None)

# After the game every card shows its face, and the next thing offered is to play again.
if any(state != "face up" for state, _ in read_board().values()):
    fail("the finished board hides faces: %r" % read_board())
wait_for("the focus back on play", lambda: focus_is("push button", "Play"))
shot("6-after-the-game")
press_until_focused("End", "push button", "Exit")
key("Return")
try:
    if game.wait(timeout=PATIENCE) != 0:
        fail("the game ended with %d" % game.returncode)
except subprocess.TimeoutExpired:
    fail("exit did not end the game")
print("screen-reader: %s, after %d turns and %d announcements" % (expected, turns, len(announced)))
