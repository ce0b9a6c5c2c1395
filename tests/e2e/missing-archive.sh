#!/usr/bin/env bash
# The game without tesselo.dat beside it: an error box naming the archive's full path, titled
# "Error initializing application", and no game window.
# Usage (inside a virtual X server (with-xvfb)): missing-archive.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

mkdir -p "$WORK/bare"
cp "$GAME" "$WORK/bare/tesselo"
GAME=$WORK/bare/tesselo
"$GAME" 2>/dev/null &
GAME_PID=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name "Error initializing application" | head -1) ||
  fail "no error box"
[ -n "$box" ] || fail "no error box"
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" = 0 ] || fail "a game window was shown"
# Closing the box ends the program with a failure status.
wait_painted "$box"
xdotool windowfocus --sync "$box"
xdotool key Return
status=$(wait_game_exit)
[ "$status" != 0 ] || fail "the game reported success"
echo "missing-archive: ok"
