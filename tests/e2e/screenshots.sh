#!/usr/bin/env bash
# Pictures of the running game for docs/screenshots: the cover, the options, and a board of each
# card set with two cards turned. Runs itself under a virtual X server when there is no display.
# Usage: tests/e2e/screenshots.sh GAME [OUTPUT_FOLDER]
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
  read -r wx wy ww wh < <(window_geometry)
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$out/$1.png"
  echo "$out/$1.png"
}

quit_game() {
  click_at $((12 + 36)) $((380 + 46))
  wait_game_exit >/dev/null
}

start_game
shoot game-cover
click_at $((12 + 428)) $((380 + 16)) # "options"
shoot game-options
quit_game

# One board per set, two humans, 12 pairs: 4 rows of 6 cards of 120 x 90 in a 736-pixel window.
for set in "$(dirname "$game")"/cards/*.crd; do
  name=$(basename "$set" .crd)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kovalent\\Kovalent Tesselo 2.0]\r\n"Pairs"=dword:0000000c\r\n"Computer"=dword:00000000\r\n"Cards"="%s"\r\n' \
    "$name.crd" >"$SETTINGS.new"
  mkdir -p "$(dirname "$SETTINGS")"
  mv "$SETTINGS.new" "$SETTINGS"
  start_game
  click_at $((12 + 424)) $((380 + 46)) # "play"
  sleep 0.5
  click_at $((5 + 60)) $((21 + 45))
  click_at $((5 + 121 * 2 + 60)) $((21 + 91 + 45))
  sleep 0.4
  shoot "game-board-$name"
  read -r _ _ ww wh < <(window_geometry)
  click_at $(((ww - 466) / 2 + 36)) $((wh - 70 + 46)) # "exit" of the centred command bar
  wait_game_exit >/dev/null || true
done
