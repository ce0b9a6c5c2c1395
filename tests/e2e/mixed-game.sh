#!/usr/bin/env bash
# A whole game of the shipped learning set, whose pairs are a picture and its name, played
# against the computer through the accessibility tree and the keyboard; mixed-game.py says how.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): mixed-game.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi for $python (scripts/install-deps)"
write_settings '"Computer"=dword:00000001' '"Level"=dword:0000000a' '"Pairs"=dword:00000008' \
  '"Player1"="Ann"' '"Player2"=""' '"Cards"="learn-shapes.crd"' \
  '"Delay"=dword:00000000'
dbus-run-session -- "$python" "$(dirname "$0")/mixed-game.py" "$GAME" "$TITLE"
