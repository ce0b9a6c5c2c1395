#!/usr/bin/env bash
# The game as a Wayland client of a headless weston: it connects, asks for a toplevel window
# titled after the game, gets it configured and puts its picture in it, writes no errors, stays
# up, and ends on SIGTERM without crashing. Where weston or Qt's Wayland plugin cannot run, the
# check is skipped (status 77) and says why. The headless output has no seat, so dragging and
# the commands are checked by wayland-input.sh, with weston's output in a virtual X server.
# Usage: wayland.sh GAME
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

command -v weston >/dev/null || skip "weston is not installed"
SOCKET=tesselo-e2e-$$
# Pixman renders for real, so a screenshot shows what the game drew; --debug allows one.
start_weston --backend=headless-backend.so --use-pixman --idle-time=0 --width=1024 \
  --height=768 --debug

export WAYLAND_DISPLAY=$SOCKET QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
unset DISPLAY
"$GAME" 2>"$WORK/game.err" &
GAME_PID=$!

# The protocol log (WAYLAND_DEBUG) tells what the window went through.
protocol() { grep -c "$1" "$WORK/game.err" || true; }
for _ in $(seq 100); do
  [ "$(protocol 'wl_surface@[0-9]*\.commit()')" -gt 1 ] && [ "$(protocol 'xdg_surface@[0-9]*\.configure(')" -gt 0 ] && break
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
if grep -q 'Could not find the Qt platform plugin "wayland"' "$WORK/game.err"; then
  skip "Qt has no Wayland plugin here (package qt6-wayland)"
fi
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on Wayland: $(grep -v '^\[' "$WORK/game.err" | tail -5)"
grep -qF ".set_title(\"$TITLE\")" "$WORK/game.err" ||
  fail "no toplevel window titled after the game"
[ "$(protocol 'xdg_surface@[0-9]*\.configure(')" -gt 0 ] || fail "weston never configured the window"
[ "$(protocol 'wl_surface@[0-9]*\.attach(')" -gt 0 ] || fail "the window never got a picture"

# What weston shows: the screen holds the game's felt green somewhere, once weston has drawn
# the window's first picture.
green_pixels() {
  convert "$1" -fx 'g>0.3 && g>r+0.1 && g>b+0.1' -format '%[fx:int(mean*w*h)]' info:
}
game_on_screen() {
  rm -f "$WORK"/wayland-screenshot-*.png
  (cd "$WORK" && timeout 10 weston-screenshooter >/dev/null 2>&1) || return 2
  shot=$(ls "$WORK"/wayland-screenshot-*.png | head -1)
  [ "$(green_pixels "$shot")" -gt 1000 ]
}
screenshots=yes
for _ in $(seq 50); do
  status=0
  game_on_screen || status=$?
  [ "$status" = 0 ] && break
  [ "$status" = 2 ] && screenshots=no && break
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on its own"
  sleep 0.1
done
if [ "$screenshots" = yes ]; then
  [ "$status" = 0 ] || fail "the screen shows no game ($(green_pixels "$shot") green pixels)"
  [ -z "${KEEP_SHOT:-}" ] || cp "$shot" "$KEEP_SHOT"
else
  echo "note: weston took no screenshot; the window was checked by protocol only"
fi

# The game stays up; nothing but protocol lines on its error output.
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on its own"
# A machine without a sound server is no fault of the game.
others=$(grep -v -e '^\[ *[0-9]*\.[0-9]*\] ' -e 'PulseAudioService' "$WORK/game.err" || true)
[ -z "$others" ] || fail "the game wrote errors: $others"

kill -TERM "$GAME_PID"
status=0
wait "$GAME_PID" || status=$?
# Ended by the signal (128 + 15) or cleanly; never a crash.
[ "$status" = 143 ] || [ "$status" = 0 ] || fail "the game ended with $status on SIGTERM"
echo "wayland: ok"
