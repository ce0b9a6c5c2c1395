#!/usr/bin/env bash
# The game at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 on a 2048 x 1536 screen): the window
# keeps the layout of its design size and covers twice its pixels, and the skin is drawn with
# every picture pixel repeated whole (2 x 2 blocks) rather than smeared. Saves the cover as
# hidpi-cover.png in OUTPUT_FOLDER when one is given.
# Usage (inside a virtual X server (with-xvfb) with a 2048 x 1536 screen): hidpi.sh GAME [OUTPUT_FOLDER]
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
out=${2:-}
export QT_SCALE_FACTOR=2

# Saves the window's picture as FILE.
shoot() {
  read -r wx wy ww wh < <(window_geometry)
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$1"
}

# Number of pixels in the W x H block at (X, Y) of FILE that differ from the same block with
# each 2 x 2 group replaced by its top-left pixel: 0 when every picture pixel became a whole
# 2 x 2 block. X and Y must be even.
unblocky_pixels() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage "$WORK/block.png"
  convert "$WORK/block.png" -sample 50% -sample 200% "$WORK/doubled.png"
  compare -metric AE "$WORK/block.png" "$WORK/doubled.png" null: 2>&1 || true
}

# Without the computer, the card clicked below is the first one turned.
write_settings '"Computer"=dword:00000000'
start_game
read -r x y w h < <(window_geometry)
[ "$w $h" = "$((DESIGN_W * 2)) $((DESIGN_H * 2))" ] ||
  fail "window is ${w}x${h} device pixels, not twice ${DESIGN_W}x$DESIGN_H"
shoot "$WORK/cover.png"
[ -z "$out" ] || cp "$WORK/cover.png" "$out/hidpi-cover.png"

# Skin only, no text: the left frame and felt margin, and the command bar's exit button.
for block in "0 60 40 300" "16 760 120 60"; do
  # shellcheck disable=SC2086
  diff=$(unblocky_pixels "$WORK/cover.png" $block)
  [ "$diff" = 0 ] || fail "skin at ($block) is not drawn in whole 2x2 blocks: $diff pixels differ"
done
# The skin is really there: green felt in the left margin.
read -r r g b < <(screen_pixel $((x + 30)) $((y + 400)))
[ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "no green felt at the left margin ($r $g $b)"

# "play", in device pixels: the default board of 4 x 4 cards of 120 x 90 in the window's frame,
# twice on the screen. Then one card is turned.
click_bar PLAY 2
wait_size $(((4 * 121 + FRAME_W) * 2)) $(((4 * 91 + FRAME_H) * 2))
wait_settled
click_and_wait_change $(((GRID_X + 60) * 2)) $(((GRID_Y + 45) * 2)) \
  "240x180+$((GRID_X * 2))+$((GRID_Y * 2))"
shoot "$WORK/board.png"
[ -z "$out" ] || cp "$WORK/board.png" "$out/hidpi-board.png"

click_bar EXIT 2
status=$(wait_game_exit)
[ "$status" = 0 ] || fail "the game ended with $status"
# A machine without a sound server is no fault of the game.
errors=$(grep -v 'PulseAudioService' "$WORK/game.err" || true)
[ -z "$errors" ] || fail "the game wrote errors: $errors"
echo "hidpi: ok"
