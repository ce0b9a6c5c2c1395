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
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$game" "$out"
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
  click_at $((12 + 36)) $((380 + 46))
  wait_game_exit >/dev/null
}

start_game
shoot game-cover
click_and_wait_change $((12 + 428)) $((380 + 16)) # "options"
wait_settled
shoot game-options
quit_game

# One board per set, two humans, 12 pairs: 4 rows of 6 cards of 120 x 90 in a 736 x 455 window.
for set in "$(dirname "$game")"/cards/*.crd; do
  name=$(basename "$set" .crd)
  write_settings '"Pairs"=dword:0000000c' '"Computer"=dword:00000000' "\"Cards\"=\"$name.crd\""
  start_game
  click_at $((12 + 424)) $((380 + 46)) # "play"
  wait_size 736 455
  wait_settled
  # The cards at column 0, row 0 and column 2, row 1; each cell is 120 x 90 on a 121 x 91 grid.
  click_and_wait_change $((5 + 60)) $((21 + 45)) "120x90+5+21"
  click_and_wait_change $((5 + 121 * 2 + 60)) $((21 + 91 + 45)) "120x90+$((5 + 121 * 2))+$((21 + 91))"
  shoot "game-board-$name"
  read -r _ _ ww wh < <(window_geometry)
  click_at $(((ww - 466) / 2 + 36)) $((wh - 70 + 46)) # "exit" of the centred command bar
  wait_game_exit >/dev/null || true
done
