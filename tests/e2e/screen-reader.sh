#!/usr/bin/env bash
# A whole game of two played as a player who cannot see plays it: through the accessibility tree
# (AT-SPI, what screen readers read) and the keyboard only; screen-reader.py says how. The player
# runs on a session bus of its own, on which the accessibility bus starts when the game asks for
# it, so no desktop session is needed and none is touched.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): screen-reader.sh GAME
# With SHOTS naming a folder, the screen at each step of the walk is saved there.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# Debian's AT-SPI client lives in the system's Python, whatever python3 the PATH finds first.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "no pyatspi for $python (scripts/install-deps)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "no accessibility bus (scripts/install-deps)"

dbus-run-session -- "$python" "$(dirname "$0")/screen-reader.py" "$GAME" "$TITLE"
