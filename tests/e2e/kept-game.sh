#!/usr/bin/env bash
# A game in progress survives a kill -9 and an Exit, and plays on to the right verdict;
# kept-game.py says how, through the accessibility tree and the keyboard.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): kept-game.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi for $python (scripts/install-deps)"
write_settings '"Computer"=dword:00000000' '"Pairs"=dword:00000008' '"Player1"="Ann"' \
  '"Player2"="Bob"' '"Player3"=""' '"Player4"=""'
dbus-run-session -- "$python" "$(dirname "$0")/kept-game.py" "$GAME" "$TITLE"
