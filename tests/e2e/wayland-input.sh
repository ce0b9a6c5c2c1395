#!/usr/bin/env bash
# The game as a Wayland client, used with a pointer: weston runs as a window of a virtual X
# server and xdotool moves and presses the X pointer there, which weston hands to the game
# through its own Wayland seat (weston's headless output has no seat, so nothing could press
# anything there). What the game shows is read from weston's output on the X screen, on a
# background of pure magenta, so the game's windows are whatever is not magenta.
#
# Checked: the window opens at its design size; a drag on its frame moves it by the pointer's
# offset through the compositor's move; "options", the about box and the help window open and
# close; "play" deals a board; "exit" ends the game with status 0 and writes the settings.
# Skipped (status 77) where weston, its X11 output or Qt's Wayland plugin cannot run.
# Usage (inside a virtual X server (with-xvfb) with a screen larger than 1024 x 768): wayland-input.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

command -v weston >/dev/null || skip "weston is not installed"
[ -n "${DISPLAY:-}" ] || skip "no X server for weston's output"

# Weston's output covers the top left 1024 x 768 of the X screen. Weston keeps drawing its
# cursor where the pointer last was on the output, so the pointer rests in the bottom right
# corner, over the background, and that corner is painted out of every picture. The X screen
# is larger, so the pointer can come onto the output from outside it.
OUT_W=1024 OUT_H=768
REST_X=$((OUT_W - 1)) REST_Y=$((OUT_H - 1))
cat >"$WORK/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
background-color=0xffff00ff
panel-position=none
EOF

SOCKET=tesselo-e2e-input-$$
start_weston --config="$WORK/weston.ini" --backend=x11-backend.so --use-pixman \
  --width=$OUT_W --height=$OUT_H

# A box WxH+X+Y of a picture with a one-pixel border as W H X Y of the picture itself (0 0 0 0
# when the box is empty).
unborder() {
  sed -E 's/^([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2 \3 \4/' |
    awk '$1 == 0 || $2 == 0 { print "0 0 0 0"; next } { print $1, $2, $3 - 1, $4 - 1 }'
}

# Weston's output, without the corner where the pointer rests, as $WORK/NAME.png; the box of
# everything on it that is not background goes to $WORK/NAME.box.
shoot() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "${OUT_W}x${OUT_H}+0+0" +repage -fill '#ff00ff' \
    -draw "rectangle $((OUT_W - 32)),$((OUT_H - 32)) $((OUT_W - 1)),$((OUT_H - 1))" \
    -write "$WORK/$1.png" -bordercolor '#ff00ff' -border 1 -fuzz 3% -format '%@' info: \
    2>/dev/null | unborder >"$WORK/$1.box"
}

# The box of everything that is not background in picture NAME, as W H X Y.
shown_box() { cat "$WORK/$1.box"; }

# The box of what differs between pictures A and B, as W H X Y.
changed_box() {
  convert "$WORK/$1.png" "$WORK/$2.png" -compose difference -composite -bordercolor black \
    -border 1 -fuzz 3% -format '%@' info: 2>/dev/null | unborder
}

# The number of pixels that differ between pictures A and B.
changed_pixels() {
  compare -metric AE -fuzz 3% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true
}

# Waits until weston shows something of size at least W x H; fails when the game has ended.
wait_shown() {
  for _ in $(seq 60); do
    shoot now
    read -r bw bh _ _ < <(shown_box now)
    [ "$bw" -ge "$1" ] && [ "$bh" -ge "$2" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || return 1
    sleep 0.25
  done
  return 1
}

# A click at (X, Y) of weston's output, the pointer resting again afterwards. Weston passes the
# X server's events on in their order, so the game gets the click where the pointer went.
click_output() {
  xdotool mousemove "$1" "$2" click 1 mousemove $REST_X $REST_Y
}

# Waits until weston's output has stopped changing and keeps it as picture NAME; fails when the
# game has ended.
wait_output_settled() {
  shoot "$1"
  for _ in $(seq 80); do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
    shoot settling
    if [ "$(changed_pixels "$1" settling)" = 0 ]; then
      return 0
    fi
    mv "$WORK/settling.png" "$WORK/$1.png"
    mv "$WORK/settling.box" "$WORK/$1.box"
    sleep 0.1
  done
  fail "weston's output never settled"
}

# Waits until picture NAME, taken again and again, differs from picture BEFORE in more than
# PIXELS pixels; fails with WHAT otherwise.
wait_output_changed() {
  local name=$1 before=$2 pixels=$3 what=$4
  for _ in $(seq 80); do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $what"
    shoot "$name"
    [ "$(changed_pixels "$before" "$name")" -gt "$pixels" ] && return 0
    sleep 0.1
  done
  fail "$what"
}

# Pop-up windows are asked for as toplevels of their own, so the protocol log counts them.
toplevels() { grep -c 'xdg_wm_base@[0-9]*\.get_xdg_surface(' "$WORK/game.err" || true; }

# The desktop shell paints the background a moment after weston starts. Weston draws its cursor
# at the output's origin until the pointer has come onto its window, so the pointer comes on
# from outside to its resting place on every look.
for _ in $(seq 40); do
  xdotool mousemove $((OUT_W + 20)) $REST_Y mousemove $REST_X $REST_Y
  shoot empty
  [ "$(shown_box empty)" = "0 0 0 0" ] && break
  sleep 0.25
done
[ "$(shown_box empty)" = "0 0 0 0" ] ||
  fail "weston's output shows more than its background: $(shown_box empty)"

export WAYLAND_DISPLAY=$SOCKET QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
# The game must not fall back on the X server that holds weston.
env -u DISPLAY "$GAME" 2>"$WORK/game.err" &
GAME_PID=$!
if ! wait_shown 400 400; then
  grep -q 'Could not find the Qt platform plugin "wayland"' "$WORK/game.err" &&
    skip "Qt has no Wayland plugin here (package qt6-wayland)"
  fail "no window on weston's output: $(grep -v '^\[' "$WORK/game.err" | tail -5)"
fi
wait_output_settled cover
read -r w h x y < <(shown_box cover)
[ "$w $h" = "$DESIGN_W $DESIGN_H" ] ||
  fail "the window shows as ${w}x${h}, not ${DESIGN_W}x$DESIGN_H"
echo "window: $DESIGN_W x $DESIGN_H at $x,$y where weston put it"

# --- A drag on the frame: weston moves the window -----------------------------------------
# The window goes towards (20, 20), or elsewhere when it is there already, so it stays whole
# on the output and the later board fits below it.
if [ "$x" -gt 60 ] || [ "$y" -gt 60 ]; then
  dx=$((20 - x)) dy=$((20 - y))
else
  dx=100 dy=40
fi
moves() { grep -c 'xdg_toplevel@[0-9]*\.move(' "$WORK/game.err" || true; }
moves_before=$(moves)
# Weston moves the window by the pointer's way from the press, with every motion that comes
# after it took the move over, so the rest of the way waits for the game's request.
xdotool mousemove $((x + 250)) $((y + 10)) mousedown 1 \
  mousemove $((x + 250 + dx / 2)) $((y + 10 + dy / 2))
for _ in $(seq 100); do
  [ "$(moves)" -gt "$moves_before" ] && break
  sleep 0.1
done
[ "$(moves)" -gt "$moves_before" ] || fail "the drag did not ask weston to move the window"
xdotool mousemove $((x + 250 + dx)) $((y + 10 + dy)) mouseup 1 mousemove $REST_X $REST_Y
for _ in $(seq 100); do
  shoot dragged
  [ "$(shown_box dragged)" = "$DESIGN_W $DESIGN_H $((x + dx)) $((y + dy))" ] && break
  sleep 0.1
done
read -r w h nx ny < <(shown_box dragged)
[ "$w $h" = "$DESIGN_W $DESIGN_H" ] || fail "after the drag the window shows as ${w}x${h}"
[ "$nx $ny" = "$((x + dx)) $((y + dy))" ] ||
  fail "the drag moved the window from $x,$y to $nx,$ny, not by $dx,$dy"
echo "drag: weston moved the window from $x,$y to $nx,$ny"
x=$nx y=$ny

# --- "options" --------------------------------------------------------------------------
read -r px py < <(bar_point OPTIONS "$DESIGN_W" "$DESIGN_H")
click_output $((x + px)) $((y + py))
wait_output_changed options dragged 20000 "\"options\" changed too little"
wait_output_settled options
[ "$(shown_box options)" = "$DESIGN_W $DESIGN_H $x $y" ] ||
  fail "the options moved or resized the window"
changed=$(changed_pixels dragged options)
[ "$changed" -gt 20000 ] || fail "\"options\" changed only $changed pixels"
echo "options: shown ($changed pixels changed)"

# --- A pop-up opens and closes: the about box, then help ----------------------------------
popup_opens_and_closes() {
  local name=$1 px=$2 py=$3 before
  before=$(toplevels)
  click_output "$px" "$py"
  for _ in $(seq 20); do
    [ "$(toplevels)" -gt "$before" ] && break
    sleep 0.25
  done
  [ "$(toplevels)" -gt "$before" ] || fail "$name: no new window was asked for"
  wait_output_changed "$name" options 20000 "$name: no pop-up on weston's output"
  wait_output_settled "$name"
  read -r pw ph pxo pyo < <(changed_box options "$name")
  [ "$pw" -ge $((POPUP_W - 15)) ] && [ "$ph" -ge $((POPUP_H - 9)) ] &&
    [ "$pw" -le $((POPUP_W + 25)) ] && [ "$ph" -le $((POPUP_H + 31)) ] ||
    fail "$name: the change on the output is ${pw}x${ph}, not a pop-up of ${POPUP_W}x$POPUP_H"
  echo "$name: opened at $pxo,$pyo (${pw}x${ph})"
  click_output $((pxo + POPUP_CLOSE_X)) $((pyo + POPUP_CLOSE_Y))
  for _ in $(seq 80); do
    shoot "$name-closed"
    changed=$(changed_pixels options "$name-closed")
    [ "$changed" -lt 200 ] && break
    sleep 0.1
  done
  [ "$changed" -lt 200 ] || fail "$name: the pop-up did not close ($changed pixels differ)"
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after $name"
  echo "$name: closed"
}
# The about picture is centred, 90 pixels above the bottom.
popup_opens_and_closes about $((x + ABOUT_X)) $((y + ABOUT_Y))
# The help button is the first of the window buttons at the top right.
popup_opens_and_closes help $((x + DESIGN_W - BUTTONS_W + BUTTON_HELP_X)) $((y + BUTTON_HELP_Y))

# --- "play" deals a board -------------------------------------------------------------------
read -r px py < <(bar_point PLAY "$DESIGN_W" "$DESIGN_H")
click_output $((x + px)) $((y + py))
# The cards lie face down, their backs deep blue, which neither the cover nor the options show
# much of; the computer may have turned two.
card_back_pixels() {
  convert "$WORK/board.png" -fx 'b>0.25 && b>r+0.15 && b>g+0.1' -format '%[fx:int(mean*w*h)]' info:
}
for _ in $(seq 80); do
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after \"play\""
  shoot board
  backs=$(card_back_pixels)
  [ "$backs" -gt 40000 ] && break
  sleep 0.1
done
[ "$backs" -gt 40000 ] || fail "\"play\" dealt no board ($backs pixels of card backs)"
read -r bw bh bx by < <(shown_box board)
[ "$bx $by" = "$x $y" ] || fail "the board moved the window to $bx,$by"
changed=$(changed_pixels options board)
[ "$changed" -gt 20000 ] || fail "\"play\" changed only $changed pixels"
echo "play: a board of ${bw}x${bh} at $bx,$by ($backs pixels of card backs)"

# --- "exit" ends the game and saves the settings ------------------------------------------
read -r px py < <(bar_point EXIT "$bw" "$bh")
click_output $((bx + px)) $((by + py))
status=$(wait_game_exit)
[ "$status" = 0 ] || fail "the game ended with $status"
[ -f "$SETTINGS" ] || fail "no settings file at $SETTINGS"
grep -q '"Pairs"=dword:00000008' "$SETTINGS" || fail "Pairs not saved: $(cat "$SETTINGS")"
echo "exit: status 0, settings written"

# Nothing but protocol lines on the game's error output; no sound server is no fault.
others=$(grep -v -e '^\[ *[0-9]*\.[0-9]*\] ' -e '^ *->' -e 'PulseAudioService' "$WORK/game.err" || true)
[ -z "$others" ] || fail "the game wrote errors: $others"
[ -z "${KEEP_SHOTS:-}" ] || cp "$WORK"/*.png "$KEEP_SHOTS"/
echo "wayland-input: ok"
