#!/usr/bin/env bash
# The real game under an X server: it starts as one centred window of its design size showing
# its skin, a second copy ends at once with status 0, and "exit" closes it and saves the settings.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): startup.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

start_game
read -r x y w h < <(window_geometry)
[ "$w $h" = "$DESIGN_W $DESIGN_H" ] || fail "window is ${w}x${h}, not ${DESIGN_W}x$DESIGN_H"
[ "$x $y" = "267 159" ] || fail "window is at $x,$y, not centred at 267,159"

# A second copy: no window, status 0, at once.
second_status=0
timeout 10 "$GAME" 2>/dev/null || second_status=$?
[ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
[ "$(xdotool search --onlyvisible --name "$TITLE" | wc -l)" = 1 ] || fail "more than one game window"

# The skin is on screen: felt green in the middle of the cover frame's margin, the red exit
# button and the light status plate.
read -r r g b < <(screen_pixel $((x + 15)) $((y + 200)))
[ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "no green felt at the left margin ($r $g $b)"
read -r r g b < <(screen_pixel $((x + 30)) $((y + 426)))
[ "$r" -gt 120 ] && [ "$g" -lt 90 ] || fail "no red exit button ($r $g $b)"
read -r r g b < <(screen_pixel $((x + 150)) $((y + 430)))
[ "$r" -gt 180 ] && [ "$g" -gt 170 ] || fail "no status plate ($r $g $b)"

# Dragging the title bar (the frame, outside the window buttons) moves the window. The window
# reads each event's position against where it stood when the event was made, so the button is
# let go only once the move has landed, as a hand would.
xdotool mousemove $((x + 250)) $((y + 10)) mousedown 1 mousemove $((x + 290)) $((y + 40))
wait_position $((x + 40)) $((y + 30))
xdotool mouseup 1
read -r nx ny _ _ < <(window_geometry)
[ "$nx $ny" = "$((x + 40)) $((y + 30))" ] || fail "letting go moved the window to $nx,$ny"

click_bar EXIT
status=$(wait_game_exit)
[ "$status" = 0 ] || fail "the game ended with $status"
[ -f "$SETTINGS" ] || fail "no settings file at $SETTINGS"
grep -q '"Pairs"=dword:00000008' "$SETTINGS" || fail "Pairs not saved: $(cat "$SETTINGS")"
grep -q '"Delay"=dword:00000003' "$SETTINGS" || fail "Delay not saved"
grep -q '"Cards"="animations.crd"' "$SETTINGS" || fail "Cards not saved"
echo "startup: ok"
