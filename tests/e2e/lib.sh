# Helpers shared by the end-to-end scripts. They run inside a virtual X server (with-xvfb) with a
# private runtime and configuration folder, so the player's own settings are never touched.
# Nothing here sleeps for a fixed time: every step waits, within a limit, for what it needs to
# see (a window, its picture, a position, a file, the game's end).

e2e_setup() {
  GAME=$1
  # The product's names come from the build: CTest passes them, and by hand
  # "set -a; . <build>/product.env; set +a" does.
  TITLE=${TESSELO_TITLE:?the title of the game is not set (source <build>/product.env)}
  SETTINGS_KEY=${TESSELO_SETTINGS_KEY:?the settings key is not set (source <build>/product.env)}
  # The single-instance lock and the hand-over socket beside it are named after it.
  SERIES_NAME=${TESSELO_SERIES_NAME:?the series name is not set (source <build>/product.env)}
  # The points to click come from the skin's description, written by the skin generator into the
  # build's generated/ folder beside the program folder; TESSELO_SKIN_POINTS names another file.
  # shellcheck disable=SC1090
  . "${TESSELO_SKIN_POINTS:-$(dirname "$GAME")/../generated/skin-points.env}"
  WORK=$(mktemp -d)
  trap 'e2e_cleanup' EXIT
  export XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/config
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
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

# Runs COMMAND... every tenth of a second until it succeeds; fails with WHAT when it has not
# within SECONDS.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$what"
    sleep 0.1
  done
}

# Writes the settings file with the game's key holding the values given as lines of the
# registry text format ('"Pairs"=dword:0000000c').
write_settings() {
  mkdir -p "$(dirname "$SETTINGS")"
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\%s]\r\n' "$SETTINGS_KEY"
    printf '%s\r\n' "$@"
  } >"$SETTINGS.new"
  mv "$SETTINGS.new" "$SETTINGS"
}

# Starts the game with the arguments given and waits for its window, painted; sets GAME_PID
# and WINDOW.
start_game() {
  "$GAME" "$@" 2>"$WORK/game.err" &
  GAME_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" | head -1) ||
    fail "the window did not appear"
  wait_painted "$WINDOW"
}

# Window position and size as X Y W H (of WINDOW, or of the window given).
window_geometry() {
  xdotool getwindowgeometry --shell "${1:-$WINDOW}" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

# Saves what the screen shows of WINDOW (or of the window given) as FILE.
window_picture() {
  local wx wy ww wh
  read -r wx wy ww wh < <(window_geometry "${2:-}")
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$1"
}

# True when the window's picture holds more than one colour: it has been painted.
window_painted() {
  window_picture "$WORK/painted.png" "$1"
  [ "$(convert "$WORK/painted.png" -format '%k' info:)" -gt 1 ]
}

# Waits until the window given has been painted.
wait_painted() {
  wait_until 20 "window $1 was never painted" window_painted "$1"
}

# Waits until two pictures of the window in a row are the same: whatever it was drawing is done.
wait_settled() {
  window_picture "$WORK/settled.png"
  wait_until 20 "the window's picture never settled" window_same_again
}
window_same_again() {
  window_picture "$WORK/again.png"
  if [ "$(compare -metric AE "$WORK/settled.png" "$WORK/again.png" null: 2>&1 || true)" = 0 ]; then
    return 0
  fi
  mv "$WORK/again.png" "$WORK/settled.png"
  return 1
}

# Waits until the window has the size W x H.
wait_size() {
  wait_until 20 "the window did not become $1 x $2 (it is $(window_geometry | cut -d' ' -f3,4))" \
    has_size "$1" "$2"
}
has_size() {
  local w h
  read -r _ _ w h < <(window_geometry)
  [ "$w $h" = "$1 $2" ]
}

# Waits until the window is at X, Y.
wait_position() {
  wait_until 20 "the window did not move to $1,$2 (it is at $(window_geometry | cut -d' ' -f1,2))" \
    has_position "$1" "$2"
}
has_position() {
  local x y
  read -r x y _ _ < <(window_geometry)
  [ "$x $y" = "$1 $2" ]
}

# Clicks the window at client point (X, Y).
click_at() {
  local wx wy
  read -r wx wy _ _ < <(window_geometry)
  xdotool mousemove $((wx + $1)) $((wy + $2)) click 1
}

# The point of the area NAME (EXIT, PLAY or OPTIONS) of the command bar, which is centred at
# the bottom of a window of W x H whatever its size, as "X Y".
bar_point() {
  local x="BAR_${1}_X" y="BAR_${1}_Y"
  echo $((($2 - BAR_W) / 2 + ${!x})) $(($3 - BAR_H + ${!y}))
}

# Clicks the area NAME of the command bar; SCALE is the screen's pixels per window pixel.
click_bar() {
  local scale=${2:-1} w h px py
  read -r _ _ w h < <(window_geometry)
  read -r px py < <(bar_point "$1" $((w / scale)) $((h / scale)))
  click_at $((px * scale)) $((py * scale))
}

# Clicks the area NAME of the command bar and waits until the window's picture changes.
click_bar_and_wait_change() {
  local w h px py
  read -r _ _ w h < <(window_geometry)
  read -r px py < <(bar_point "$1" "$w" "$h")
  click_and_wait_change "$px" "$py"
}

# The cell at column COL and row ROW of a board of cards of 120 x 90, each followed by its grid
# line, as a block WxH+X+Y in client pixels.
cell_block() {
  echo "120x90+$((GRID_X + 121 * $1))+$((GRID_Y + 91 * $2))"
}

# Clicks the centre of the cell at column COL and row ROW and waits until the cell changes.
click_cell_and_wait_change() {
  click_and_wait_change $((GRID_X + 121 * $1 + 60)) $((GRID_Y + 91 * $2 + 45)) \
    "$(cell_block "$1" "$2")"
}

# Clicks the window at client point (X, Y) and waits until its picture differs from what it
# showed before the click: the whole picture, or the part BLOCK of it (WxH+X+Y in client
# pixels) when one is given.
click_and_wait_change() {
  local block=${3:-}
  block_picture "$WORK/before.png" "$block"
  click_at "$1" "$2"
  wait_until 20 "clicking at $1,$2 changed nothing on the screen" \
    block_changed "$WORK/before.png" "$block"
}
block_picture() {
  window_picture "$1"
  [ -z "$2" ] || convert "$1" -crop "$2" +repage "$1"
}
block_changed() {
  block_picture "$WORK/now.png" "$2"
  [ "$(compare -metric AE "$1" "$WORK/now.png" null: 2>&1 || true)" != 0 ]
}

# Red, green and blue of the screen pixel at (X, Y), as three numbers.
screen_pixel() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -format '%[fx:int(255*p{'"$1,$2"'}.r)] %[fx:int(255*p{'"$1,$2"'}.g)] %[fx:int(255*p{'"$1,$2"'}.b)]\n' info:
}

# Waits up to 10 s for the game to end; prints its exit status.
wait_game_exit() {
  wait_until 10 "the game did not end" game_ended
  local status=0
  wait "$GAME_PID" || status=$?
  echo "$status"
}
game_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }

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

exit_game() {
  click_bar EXIT
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
