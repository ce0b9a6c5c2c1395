#!/usr/bin/env bash
# The game with a tesselo.dat whose command-bar picture is damaged: one error box under the
# game's title, then the program ends with a failure status, without a half-built window and
# without writing settings.
# Usage (inside a virtual X server (with-xvfb)): damaged-skin.sh GAME KVRES
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
kvres=$2

mkdir -p "$WORK/bare" "$WORK/entries"
cp "$GAME" "$WORK/bare/tesselo"
archive=$(dirname "$1")/tesselo.dat
count=$("$kvres" list "$archive" | wc -l)
entries=()
for i in $(seq 0 $((count - 1))); do
  "$kvres" cat "$archive" "$i" >"$WORK/entries/$i"
  entries+=("plain:$WORK/entries/$i")
done
printf 'BMthis is not a picture' >"$WORK/entries/11"
"$kvres" pack "$WORK/bare/tesselo.dat" "${entries[@]}" >/dev/null

GAME=$WORK/bare/tesselo
"$GAME" 2>/dev/null &
GAME_PID=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name "^$TITLE\$" | head -1) ||
  fail "no error box"
# Once the box is painted the program waits in it: every window it showed before is mapped.
wait_painted "$box"
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" = 1 ] || fail "more than one window"
WINDOW=$box
read -r _ _ w h < <(window_geometry)
[ "$w $h" != "$DESIGN_W $DESIGN_H" ] || fail "the game window was shown"
xdotool windowfocus --sync "$box"
xdotool key Return
status=$(wait_game_exit)
[ "$status" != 0 ] || fail "the game reported success"
[ ! -e "$SETTINGS" ] || fail "settings were written"
echo "damaged-skin: ok"
