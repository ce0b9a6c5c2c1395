#!/usr/bin/python3
# A player who cannot see plays a whole game of two: everything is read through the
# accessibility tree (AT-SPI, as a screen reader reads it) and done with key presses; no pixel
# is looked at and no point is clicked. The player opens help and about and closes them, turns
# the computer off and names two players in the options, starts, plays
# the board to its end remembering the faces by the numbers the cards announce, hears every
# card turned and every pair judged, reads the verdict on the score screen and leaves.
#
# Usage (on a session bus of its own, inside an X server): screen-reader.py GAME TITLE
# Debian's python3-pyatspi; run with the system's python3. With SHOTS naming a folder, what the
# screen shows at each step is saved there for people to look at (the check never reads them).
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, TITLE = sys.argv[1], sys.argv[2]
# A loaded machine may take its time over anything; nothing here waits longer than it must.
PATIENCE = 60

CELL = re.compile(r"^row (\d+), column (\d+), (face down|face up, picture (\d+)|removed, picture (\d+))$")
STATUS = re.compile(r"^(.*) \(pairs: (\d+)\)$")


game = None


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    print("heard: %r" % announced, file=sys.stderr)
    if game is not None and game.poll() is None:
        game.kill()
    sys.exit(1)


# Every announcement heard, in order. Readers fetch a notification's text when told it changed;
# the player also listens between events, so a text is caught even when its event comes late.
announced = []
listened = {}  # notification -> the text last heard from it


def hear(notification):
    text = notification.name
    if text and listened.get(notification) != text:
        listened[notification] = text
        announced.append(text)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)
    for notification in list(listened):
        try:
            hear(notification)
        except Exception:  # its window has gone
            del listened[notification]


def wait_for(what, condition, seconds=PATIENCE):
    """Polls CONDITION (events delivered in between) until it gives something true."""
    deadline = time.monotonic() + seconds
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
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def role(node):
    return node.getRoleName()


# ---- The game -------------------------------------------------------------------------------

def heard(event):
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        hear(event.source)


pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
game = subprocess.Popen([GAME], env=env)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == game.pid:
            return app
    return None


app = wait_for("the game on the accessibility bus", application)


def top(name):
    """The game's window of that name, when it is on screen."""
    for window in children(app):
        if window is not None and window.name == name and showing(window):
            return window
    return None


def listen_in(window):
    for node in children(window):
        if node is not None and node.getRole() == pyatspi.ROLE_NOTIFICATION:
            listened.setdefault(node, None)


main = wait_for("the main window", lambda: top(TITLE))
listen_in(main)
window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", TITLE],
                           capture_output=True, text=True, check=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)


def focused():
    """The innermost object that has the focus, in any of the game's windows, as (role, name)."""
    found = None
    for window in children(app):
        if window is None or not showing(window):
            continue
        for node in walk(window):
            if states(node).contains(pyatspi.STATE_FOCUSED):
                found = node
    return found


def focus_is(role_name, name):
    node = focused()
    return node is not None and role(node) == role_name and node.name == name


def describe(node):
    return "nothing" if node is None else "%s %r" % (role(node), node.name)


def press_until_focused(step, role_name, name, limit=25):
    """Presses STEP until the focus is on that object; each press waits for the focus to move."""
    for _ in range(limit):
        if focus_is(role_name, name):
            return
        before = focused()
        key(step)
        wait_for("the focus to leave %s on %s" % (describe(before), step),
                 lambda: focused() != before or focus_is(role_name, name))
    fail("%s never brought the focus to %s %r" % (step, role_name, name))


def named(window, role_name, name):
    for node in walk(window):
        if role(node) == role_name and node.name == name:
            return node
    return None


def hidden_parts_absent(window):
    """Nothing in the tree that the screen does not show."""
    for node in walk(window):
        if node is not window and not states(node).contains(pyatspi.STATE_VISIBLE):
            fail("the tree shows something hidden: %s %r" % (role(node), node.name))


# Starting: the command bar's "play" has the focus, and no board lies hidden in the tree.
wait_for("the focus on play", lambda: focus_is("push button", "Play"))
hidden_parts_absent(main)
if any(role(node) == "table" for node in walk(main)):
    fail("the cover shows a board in the tree")
if named(main, "notification", "Welcome") is None:
    fail("the status line's welcome was not said")

# Help: reached through the window buttons, closed with Escape.
press_until_focused("Tab", "push button", "Help")
shot("1-window-buttons")
key("Return")
wait_for("the help window", lambda: top("Help"))
wait_for("the focus on the help window's close button", lambda: focus_is("push button", "Close"))
shot("2-help")
key("Tab")
shot("3-help-text")
key("Escape")
wait_for("the help window to close", lambda: top("Help") is None)

# About: the plaque, closed with Enter.
press_until_focused("Tab", "push button", "About")
key("Return")
about = wait_for("the about box", lambda: top("About"))
press_until_focused("Tab", "label", "tesselo@kovalent.example") if os.environ.get("SHOTS") else None
shot("4-about")
press_until_focused("Tab", "push button", "Close")
key("Return")
wait_for("the about box to close", lambda: top("About") is None)

# Options: two named players without the computer, the shortest reveal.
press_until_focused("Tab", "push button", "Options")
key("Return")
wait_for("the options panel", lambda: named(main, "panel", "Options"))
press_until_focused("Tab", "combo box", "2.5")  # the reveal delay's list, named by its line
shot("5-options-list")
press_until_focused("Tab", "text", "Player 1 name")
type_text("Ann")
press_until_focused("Tab", "text", "Player 2 name")
type_text("Bob")
press_until_focused("Tab", "check box", "Computer player")
key("space")
shot("6-options-check")
wait_for("the computer to be off", lambda: not states(named(main, "check box", "Computer player"))
         .contains(pyatspi.STATE_CHECKED))
if os.environ.get("SHOTS"):
    press_until_focused("Tab", "slider", "Computer level")
    shot("7-options-slider")
press_until_focused("Tab", "push button", "Play")
shot("8-options-play")
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
        if match is None:
            fail("a cell says %r" % cell.name)
        if cell.description:
            fail("a cell describes itself as %r" % cell.description)
        picture = match.group(4) or match.group(5)
        state = match.group(3).split(",")[0]
        cells[(int(match.group(1)), int(match.group(2)))] = (state, int(picture) if picture else None)
    return cells


def status():
    labels = [node.name for node in children(main) if role(node) == "label"]
    return labels[0] if labels else ""


def focused_cell():
    node = focused()
    if node is None or role(node) != "table cell":
        return None
    match = CELL.match(node.name)
    return (int(match.group(1)), int(match.group(2))) if match else None


cells = wait_for("a dealt board", read_board)
rows = max(row for row, _ in cells)
cols = max(col for _, col in cells)
if len(cells) != 16 or any(state != "face down" for state, _ in cells.values()):
    fail("the new board is not 16 face-down cards: %r" % cells)
wait_for("the focus on the board", focused_cell)

seen = {}  # (row, col) -> picture, remembered once a card was shown
pairs = {"Ann": 0, "Bob": 0}


def go_to(target):
    here = wait_for("a focused cell", focused_cell)
    moves = []
    moves += ["Down"] * max(0, target[0] - here[0]) + ["Up"] * max(0, here[0] - target[0])
    moves += ["Right"] * max(0, target[1] - here[1]) + ["Left"] * max(0, here[1] - target[1])
    if moves:
        key(*moves)
    wait_for("the focus on row %d, column %d" % target, lambda: focused_cell() == target)


def turn(target):
    go_to(target)
    before = len(announced)
    key("Return")
    state, picture = wait_for("the card at %r to turn" % (target,),
                              lambda: read_board()[target] if read_board()[target][0] == "face up" else None)
    seen[target] = picture
    said = wait_for("the turn to be announced", lambda: [text for text in announced[before:]
                                                          if "turns row %d, column %d: picture %d" % (target + (picture,)) in text])
    return picture


def hidden_cells(board_now):
    return [place for place, (state, _) in sorted(board_now.items()) if state == "face down"]


turns = 0
while True:
    board_now = read_board()
    hidden = hidden_cells(board_now)
    if not hidden:
        break
    turns += 1
    if turns > 40:
        fail("the game does not end")
    player = STATUS.match(wait_for("a player's status", lambda: STATUS.match(status()) and status())).group(1)
    before = len(announced)
    known = {}
    pair = None
    for place in hidden:
        if place in seen:
            if seen[place] in known:
                pair = (known[seen[place]], place)
                break
            known[seen[place]] = place
    if pair is None:
        unseen = [place for place in hidden if place not in seen]
        first = unseen[0]
        picture = turn(first)
        if turns == 1:
            shot("9-board-face-up")
        twin = [place for place in hidden if place != first and seen.get(place) == picture]
        others = [place for place in hidden if place != first and place not in seen]
        second = twin[0] if twin else (others[0] if others else [p for p in hidden if p != first][0])
        pair = (first, second)
        turn(second)
    else:
        turn(pair[0])
        turn(pair[1])
    matched = seen[pair[0]] == seen[pair[1]]
    verdict = "Pair of picture %d for %s" % (seen[pair[0]], player) if matched else "No pair"
    wait_for("the pair to be judged aloud (%s)" % verdict,
             lambda: any(verdict in text for text in announced[before:]))
    if matched:
        pairs[player] += 1
    if matched and len(hidden) == 2:
        break  # the last pair: the score screen comes next
    # The reveal ends: a pair leaves the board, a miss is turned back.
    after = "removed" if matched else "face down"
    wait_for("the turn of %r to end with the cards %s" % (pair, after),
             lambda: all(read_board()[place][0] == after for place in pair))
    if not matched and not any("The turn passes to" in text for text in announced[before:]):
        fail("a miss did not say whose turn it is: %r" % announced[before:])

# ---- The score screen ------------------------------------------------------------------------

score = wait_for("the score screen", lambda: top("Score"))
listen_in(score)
best = max(pairs.values())
winners = [name for name, count in pairs.items() if count == best]
expected = "The winner is: " + (winners[0] if len(winners) == 1 else "No winner")
if score.description != expected:
    fail("the score screen says %r, not %r" % (score.description, expected))
labels = [node.name for node in walk(score) if role(node) == "label"]
for slot, name in enumerate(["Ann", "Bob"], start=1):
    if "Player %d: %s" % (slot, name) not in labels or "Player %d pairs: %d" % (slot, pairs[name]) not in labels:
        fail("the score screen lists %r" % labels)
if expected not in labels:
    fail("the score screen's winner line is missing: %r" % labels)
wait_for("the verdict to be announced", lambda: expected in announced)
wait_for("the focus on the score screen's close button", lambda: focus_is("push button", "Close"))
shot("10-score")
key("Return")
wait_for("the score screen to close", lambda: top("Score") is None)

# After the game every card shows its face, and the next thing offered is to play again.
final = read_board()
if any(state != "face up" for state, _ in final.values()):
    fail("the finished board hides faces: %r" % final)
wait_for("the focus back on play", lambda: focus_is("push button", "Play"))
shot("11-after-the-game")
press_until_focused("End", "push button", "Exit")
key("Return")
try:
    status_code = game.wait(timeout=PATIENCE)
except subprocess.TimeoutExpired:
    fail("exit did not end the game")
if status_code != 0:
    fail("the game ended with %d" % status_code)
print("screen-reader: a game of %d turns, %s, heard %d announcements: ok"
      % (turns, expected, len(announced)))
