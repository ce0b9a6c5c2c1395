#!/usr/bin/env bash
# Pictures of the running game for docs/screenshots: the cover, the options, and a board of each
# card set with two cards turned. Runs itself under a virtual X server when there is no display.
# Usage: cmake --build build --target tesselo_screenshots (which passes the product's names), or
#   set -a; . build/product.env; set +a; tests/e2e/screenshots.sh GAME [OUTPUT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
out=$(realpath -m "${2:-$here/../../docs/screenshots}")
if [ -z "${DISPLAY:-}" ]; then
  exec "$here/with-xvfb" 1024x768 "$0" "$game" "$out"
fi
. "$here/lib.sh"
e2e_setup "$game"
mkdir -p "$out"

# Saves the game window's picture as NAME.png.
shoot() {
  window_picture "$out/$1.png"
  echo "$out/$1.png"
}

quit_game() {
  click_bar EXIT
  wait_game_exit >/dev/null
}

start_game
shoot game-cover
click_bar_and_wait_change OPTIONS
wait_settled
shoot game-options
quit_game

# One board per set, two humans, 12 pairs: 4 rows of 6 cards of 120 x 90 in the window's frame.
for set in "$(dirname "$game")"/cards/*.crd; do
  name=$(basename "$set" .crd)
  write_settings '"Pairs"=dword:0000000c' '"Computer"=dword:00000000' "\"Cards\"=\"$name.crd\""
  start_game
  click_bar PLAY
  wait_size $((6 * 121 + FRAME_W)) $((4 * 91 + FRAME_H))
  wait_settled
  # The cards at column 0, row 0 and column 2, row 1.
  click_cell_and_wait_change 0 0
  click_cell_and_wait_change 2 1
  shoot "game-board-$name"
  click_bar EXIT
  wait_game_exit >/dev/null || true
done
