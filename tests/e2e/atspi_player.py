"""A player who cannot see, for the end-to-end checks: the game is read through the
accessibility tree (AT-SPI, as a screen reader reads it) and played with key presses; no pixel is
looked at and no point is clicked. Run on a session bus of its own, inside an X server."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PATIENCE = 60  # seconds; a loaded machine may take its time over anything
# A card that shows its face says what it shows: "picture 7", or its name, word or caption.
CELL = re.compile(r"^row (\d+), column (\d+), (face down|face up|removed)(?:, (.+))?$")
STATUS = re.compile(r"^(.*) \(pairs: (\d+)\)$")

game = None  # the running game's process
app = None  # its accessible application
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


def start(path, title):
    """Starts the game at PATH, in English whatever the desktop's language (the player listens
    for English words), and waits for its main window of TITLE, which gets the keyboard."""
    global game, app
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LC_ALL="C.UTF-8")
    environment.pop("LANGUAGE", None)
    game = subprocess.Popen([path], env=environment)
    app = wait_for("the game on the accessibility bus", lambda: next(
        (found for found in pyatspi.Registry.getDesktop(0)
         if found is not None and found.get_process_id() == game.pid), None))
    main = wait_for("the main window", lambda: top(title))
    window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                               capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    return main


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


def read_board(board):
    """Every cell as {(row, col): (state, face)}; a face-down card's face is None."""
    cells = {}
    for cell in children(board):
        match = CELL.match(cell.name)
        hidden = match is not None and match.group(3) == "face down"
        if match is None or hidden == bool(match.group(4)) or cell.description:
            fail("a cell says %r (%r)" % (cell.name, cell.description))
        face = None if hidden else match.group(4)
        cells[(int(match.group(1)), int(match.group(2)))] = (match.group(3), face)
    return cells


def focused_cell():
    node = focused()
    match = CELL.match(node.name) if node is not None and role(node) == "table cell" else None
    return (int(match.group(1)), int(match.group(2))) if match else None


def turn(board, target, seen):
    """Walks the focus to TARGET with the arrows, turns the card and hears its face said; the
    face goes into SEEN."""
    here = wait_for("a focused cell", focused_cell)
    key(*(["Down"] * (target[0] - here[0]) + ["Up"] * (here[0] - target[0]) +
          ["Right"] * (target[1] - here[1]) + ["Left"] * (here[1] - target[1])))
    wait_for("the focus on %r" % (target,), lambda: focused_cell() == target)
    before = len(announced)
    key("Return")
    seen[target] = wait_for("the card at %r to turn" % (target,),
                            lambda: read_board(board)[target][1])
    said = "turns row %d, column %d: %s" % (target + (seen[target],))
    wait_for("the turn to be said", lambda: any(said in text for text in announced[before:]))


def status(main):
    """The status line's player at turn and that player's count."""
    match = wait_for("a player's status", lambda: STATUS.match(
        next(node.name for node in children(main) if role(node) == "label")))
    return match.group(1), int(match.group(2))


def play_turn(board, main, seen, pairs):
    """Plays one turn with what SEEN remembers: a known pair, else a new card and its twin or
    another; waits for the judgement to be said and the cards to settle. Counts a found pair in
    PAIRS. Returns False when the board was empty, "last" after the last pair."""
    hidden = [place for place, (state, _) in sorted(read_board(board).items())
              if state == "face down"]
    if not hidden:
        return False
    player, _ = status(main)
    before = len(announced)
    known, pair = {}, None
    for place in (place for place in hidden if place in seen):
        pair = pair or (known[seen[place]], place) if seen[place] in known else pair
        known[seen[place]] = place
    if pair is None:
        first = next(place for place in hidden if place not in seen)
        turn(board, first, seen)
        twins = [place for place in hidden if place != first and seen.get(place) == seen[first]]
        unseen = [place for place in hidden if place != first and place not in seen]
        pair = (first, (twins or unseen or [place for place in hidden if place != first])[0])
        turn(board, pair[1], seen)
    else:
        turn(board, pair[0], seen)
        turn(board, pair[1], seen)
    matched = seen[pair[0]] == seen[pair[1]]
    verdict = ("Pair of %s" % seen[pair[0]], "for %s" % player) if matched \
        else ("No pair", "The turn passes to")
    wait_for("the pair to be judged aloud (%s)" % (verdict,),
             lambda: any(all(part in text for part in verdict) for text in announced[before:]))
    pairs[player] = pairs.get(player, 0) + matched
    if matched and len(hidden) == 2:
        return "last"  # the score screen comes next
    after = "removed" if matched else "face down"
    # After a miss the computer may turn one of the two again at once, so the turn having
    # passed on counts too.
    wait_for("the cards of %r to be %s" % (pair, after),
             lambda: all(read_board(board)[place][0] == after for place in pair) or
             (not matched and status(main)[0] != player))
    return True


def check_score(pairs, names):
    """The score screen's verdict and counts for the players NAMES, as PAIRS counted them."""
    score = wait_for("the score screen", lambda: top("Score"))
    winners = [name for name in names if pairs.get(name, 0) == max(pairs.values())]
    expected = "The winner is: " + (winners[0] if len(winners) == 1 else "No winner")
    labels = [node.name for node in walk(score) if role(node) == "label"]
    if score.description != expected or expected not in labels:
        fail("the score screen says %r, %r, not %r" % (score.description, labels, expected))
    for slot, name in enumerate(names, start=1):
        if "Player %d: %s" % (slot, name) not in labels or \
                "Player %d pairs: %d" % (slot, pairs.get(name, 0)) not in labels:
            fail("the score screen lists %r" % labels)
    wait_for("the verdict to be said", lambda: expected in announced)
    return expected


def leave():
    """Exit from the command bar; the game must end with status 0."""
    press_until_focused("Tab", "push button", "Play")
    press_until_focused("End", "push button", "Exit")
    key("Return")
    try:
        if game.wait(timeout=PATIENCE) != 0:
            fail("the game ended with %d" % game.returncode)
    except subprocess.TimeoutExpired:
        fail("exit did not end the game")
