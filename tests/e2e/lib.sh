# Helpers shared by the end-to-end scripts. They run inside an X server (xvfb-run) with a
# private runtime and configuration folder, so the player's own settings are never touched.

e2e_setup() {
  GAME=$1
  WORK=$(mktemp -d)
  trap 'e2e_cleanup' EXIT
  export XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/config
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  TITLE="Kovalent Tesselo 2.05"
  SETTINGS=$XDG_CONFIG_HOME/Kovalent/registry.reg
}

e2e_cleanup() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}

# Ends a check that cannot run here; CTest counts status 77 as skipped.
skip() {
  echo "SKIP: $*"
  exit 77
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the game with the arguments given and waits for its window; sets GAME_PID and WINDOW.
start_game() {
  "$GAME" "$@" 2>"$WORK/game.err" &
  GAME_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" | head -1) ||
    fail "the window did not appear"
  # Let the first paint land before anyone looks at it.
  sleep 0.7
}

# Window position and size as X Y W H.
window_geometry() {
  xdotool getwindowgeometry --shell "$WINDOW" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

# Clicks the window at client point (X, Y).
click_at() {
  read -r wx wy _ _ < <(window_geometry)
  xdotool mousemove $((wx + $1)) $((wy + $2)) click 1
  sleep 0.3
}

# Red, green and blue of the screen pixel at (X, Y), as three numbers.
screen_pixel() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -format '%[fx:int(255*p{'"$1,$2"'}.r)] %[fx:int(255*p{'"$1,$2"'}.g)] %[fx:int(255*p{'"$1,$2"'}.b)]\n' info:
}

# Waits up to 10 s for the game to end; prints its exit status.
wait_game_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"
      echo $?
      return
    fi
    sleep 0.1
  done
  fail "the game did not end"
}

# The game's windows other than the main one, as ID TYPE lines: the message boxes have the
# type of a dialog, the card-set list's drop-down does not (nor does it carry the game's title
# as its plain window name, so the windows are found by their class).
other_windows() {
  local id
  for id in $(xdotool search --onlyvisible --class '^tesselo$' 2>/dev/null); do
    [ "$id" != "$WINDOW" ] || continue
    if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; then
      echo "$id dialog"
    else
      echo "$id other"
    fi
  done
}

# The game's message box, or nothing.
message_box() {
  other_windows | awk '$2 == "dialog" {print $1; exit}'
}

# Waits up to 60 s for a message box (a face inflating to its limit takes a while on a busy
# machine) and prints its id.
wait_message_box() {
  local box
  for _ in $(seq 600); do
    box=$(message_box)
    [ -n "$box" ] && echo "$box" && return
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended instead of reporting an error"
    sleep 0.1
  done
  fail "no message box"
}

dismiss() {
  xdotool windowfocus --sync "$1"
  xdotool key Return
  for _ in $(seq 50); do
    [ -z "$(message_box)" ] && return
    sleep 0.1
  done
  fail "the message box did not close"
}

# "exit" of the command bar, which is centred at the bottom whatever the window's size.
exit_game() {
  read -r _ _ w h < <(window_geometry)
  click_at $(((w - 466) / 2 + 36)) $((h - 70 + 46))
  # Closing takes its time on a busy machine.
  for _ in $(seq 300); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "exit did not end the game"
  local status=0
  wait "$GAME_PID" || status=$?
  [ "$status" = 0 ] || fail "the game ended with $status"
}

# The "Cards" value of the settings file (whose lines end in CR LF).
stored_set() {
  tr -d '\r' <"$SETTINGS" | sed -n 's/^"Cards"="\(.*\)"$/\1/p'
}

# Starts weston on the socket SOCKET with the options given, logging to $WORK/weston.log, and
# waits until it listens; sets WESTON_PID. Skips the check where weston cannot run.
start_weston() {
  weston --socket="$SOCKET" "$@" >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  trap 'kill "$WESTON_PID" 2>/dev/null || true; e2e_cleanup' EXIT
  for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] && return
    kill -0 "$WESTON_PID" 2>/dev/null || skip "weston cannot run here: $(tail -3 "$WORK/weston.log")"
    sleep 0.1
  done
  skip "weston opened no socket"
}
