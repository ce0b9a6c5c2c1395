#!/usr/bin/env bash
# The game follows the desktop's language: started with LANG=de_DE.UTF-8 it opens the German
# skin, whose painted captions differ from the English ones where the captions are and nowhere
# else, and writes its status line in German, not in English.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): language.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
[ -f "$(dirname "$GAME")/tesselo.de.dat" ] || fail "no German skin beside the game"

# The options panel as LANG gives it, saved as NAME.png.
options_in() {
  local name=$1
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$GAME" 2>"$WORK/game.err" &
  GAME_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" | head -1) ||
    fail "the window did not appear ($name)"
  wait_painted "$WINDOW"
  click_bar_and_wait_change OPTIONS
  wait_settled
  window_picture "$WORK/$name.png"
  click_bar EXIT
  [ "$(wait_game_exit)" = 0 ] || fail "the game did not end well ($name)"
}

# How many pixels of the block WxH+X+Y differ between two pictures.
differing() {
  local block=$1 first=$2 second=$3
  convert "$WORK/$first.png" -crop "$block" +repage "$WORK/a.png"
  convert "$WORK/$second.png" -crop "$block" +repage "$WORK/b.png"
  compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true
}

options_in english LANG=en_US.UTF-8
options_in german LANG=de_DE.UTF-8
options_in french LANG=fr_FR.UTF-8

# Window pixels: the panel's title and the card-set caption above its list, the exit button's
# caption, the status line, and a stretch of felt and frame that holds no words.
title=200x26+145+65
caption=140x16+80+102
exit_button=50x20+22+416
status=290x18+100+421
plain=40x180+8+100
for block in $title $caption $exit_button; do
  [ "$(differing "$block" english german)" -gt 20 ] ||
    fail "the German skin shows the English caption at $block"
done
[ "$(differing "$status" english german)" -gt 20 ] || fail "the status line is not German"
[ "$(differing "$status" french german)" -gt 20 ] || fail "the German status line is the French one"
[ "$(differing "$plain" english german)" = 0 ] || fail "the German skin differs where no words are"
echo "language: ok"
