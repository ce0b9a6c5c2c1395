#!/usr/bin/env bash
# The real game with a cards folder full of hostile entries (empty and tiny files, a folder, a
# pipe, link loops, absurd counts and headers, a face inflating to gigabytes, faces of the wrong
# format, JPEG and BMP faces cut short, a file nobody may read) beside two good sets. It starts
# within bounded time and memory, offers exactly the sets whose header reads, refuses the
# damaged ones with an error box when they are played, stays usable afterwards and ends with
# status 0.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): hostile-cards.sh GAME KVRES
# With SHOTS naming a folder, the error boxes and the board are saved there as screenshots.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
kvres=$2
built=$(dirname "$1")
started=$SECONDS

# No sets of the player's own folder may join the catalogue.
export XDG_DATA_HOME=$WORK/data
# A runaway allocation fails here instead of taking the machine; the game itself needs far less.
memory_ceiling=$((2 * 1024 * 1024 * 1024))
# What the game may hold at its peak: the largest entry the reader inflates is 256 MiB.
peak_limit_kb=$((640 * 1024))

program=$WORK/program
mkdir -p "$program"
cp "$GAME" "$built/tesselo.dat" "$built/good.wav" "$built/bad.wav" "$program/"
GAME=$program/tesselo
cards=$program/cards
"$(dirname "$0")/../../fuzz/make-hostile-cards" "$cards" "$kvres" "$built/cards/shapes.crd" \
  >/dev/null
cp "$built/cards/animations.crd" "$cards/"

# The sets whose entry 0 reads. The two sets damaged from the good one are listed or not
# depending on where the damage falls; whether their entry 0 reads is asked of the archive tool.
expected=(animations.crd cut-bmp-faces.crd good.crd huge-box-bmp.crd huge-box-gif.crd
  huge-box-jpg.crd huge-faces.crd inflation-bomb.crd noise-faces.crd nonsense-header.crd
  ten-byte-header.crd truncated-faces.crd wrong-kind.crd pairs-damaged-table.crd
  pairs-sound-past-the-file.crd pairs-three-faces-in-a-pair.crd pairs-unknown-version.crd
  pairs-word-without-text.crd)
for damaged in cut-in-half.crd flipped.crd; do
  if "$kvres" cat "$cards/$damaged" 0 >/dev/null 2>&1; then
    expected+=("$damaged")
  fi
done

# Run as root, the game could read the file without read permission all the same: it runs
# without the capabilities that override file permissions. Where root may not give them up
# (a container without CAP_SETPCAP), the file is readable and so rightly on offer.
runner=(prlimit --as="$memory_ceiling")
# shellcheck disable=SC2054 # the commas belong to the option
no_override=(setpriv --bounding-set=-dac_override,-dac_read_search)
if [ "$(id -u)" = 0 ] && "${no_override[@]}" true 2>/dev/null; then
  runner=("${no_override[@]}" "${runner[@]}")
fi
"${runner[@]}" true || fail "cannot run under ${runner[*]}"
if "${runner[@]}" head -c 1 "$cards/unreadable.crd" >/dev/null 2>&1; then
  echo "note: unreadable.crd is readable here, so it is expected on offer" >&2
  expected+=(unreadable.crd)
fi
# In the order of a listing sorted by name.
mapfile -t expected < <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)

# Starts the game (its window within 20 s, painted) and sets GAME_PID and WINDOW.
launch_game() {
  "${runner[@]}" "$GAME" 2>>"$WORK/game.err" &
  GAME_PID=$!
  WINDOW=
  for _ in $(seq 200); do
    WINDOW=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1) || true
    [ -n "$WINDOW" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while starting: $(cat "$WORK/game.err")"
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "the window did not appear within 20 s"
  wait_painted "$WINDOW"
}

# Waits until the drop-down of the card-set list is open (OPEN yes) or closed (OPEN no).
wait_drop_down() {
  for _ in $(seq 100); do
    if other_windows | grep -q ' other$'; then
      [ "$1" = yes ] && return
    else
      [ "$1" = no ] && return
    fi
    sleep 0.1
  done
  [ -z "${SHOTS:-}" ] || import -window root "$SHOTS/hostile-drop-down.png"
  fail "the card-set list's drop-down did not $([ "$1" = yes ] && echo open || echo close)"
}

options() { click_bar_and_wait_change OPTIONS; }
play() { click_bar PLAY; }

# Opens the card-set list, moves its selection with KEYS and closes it with Return.
pick_in_card_list() {
  click_at $((OPTIONS_X + CARDS_BOX_X)) $((OPTIONS_Y + CARDS_BOX_Y))
  wait_drop_down yes
  xdotool key "$@" Return
  wait_drop_down no
}

# Chooses line INDEX (from 0) of the card-set list.
choose_set() {
  local keys=(Home)
  for _ in $(seq "$1"); do keys+=(Down); done
  pick_in_card_list "${keys[@]}"
}

# The sets on offer, read back through the settings: each run chooses the line after the one
# stored by the run before and saves it on exit, until the choice stays where it is.
launch_game
[ -z "$(message_box)" ] || fail "a message at start"
exit_game
offered=("$(stored_set)")
for _ in $(seq 30); do
  launch_game
  options
  pick_in_card_list Down
  box=$(message_box)
  [ -z "$box" ] || fail "a message while choosing the set after ${offered[-1]}"
  exit_game
  next=$(stored_set)
  [ "$next" != "${offered[-1]}" ] || break
  offered+=("$next")
done
[ "${offered[*]}" = "${expected[*]}" ] ||
  fail "the sets on offer are (${offered[*]}), not (${expected[*]})"

index_of() {
  local i
  for i in "${!offered[@]}"; do
    [ "${offered[$i]}" != "$1" ] || { echo "$i"; return; }
  done
  fail "$1 is not on offer"
}

# Damaged sets: each play shows one error box and returns to the options.
launch_game
options
for bad in truncated-faces.crd cut-bmp-faces.crd nonsense-header.crd ten-byte-header.crd \
  inflation-bomb.crd pairs-damaged-table.crd pairs-sound-past-the-file.crd \
  pairs-three-faces-in-a-pair.crd pairs-unknown-version.crd pairs-word-without-text.crd; do
  choose_set "$(index_of "$bad")"
  play
  box=$(wait_message_box)
  [ -z "${SHOTS:-}" ] || import -window root "$SHOTS/hostile-$bad.png"
  dismiss "$box"
  read -r _ _ w h < <(window_geometry)
  [ "$w $h" = "$DESIGN_W $DESIGN_H" ] ||
    fail "after $bad the window is ${w}x${h}, not the options' ${DESIGN_W}x$DESIGN_H"
done
# Still usable: a good set deals a board of its card backs (the computer is switched off, so
# no card is turned before the screenshot).
choose_set "$(index_of animations.crd)"
click_and_wait_change $((OPTIONS_X + COMPUTER_CHECK_X)) $((OPTIONS_Y + COMPUTER_CHECK_Y)) \
  "14x14+$((OPTIONS_X + COMPUTER_CHECK_LEFT))+$((OPTIONS_Y + COMPUTER_CHECK_TOP))"
play
# The window takes the board's size once the set has loaded; a damaged set would have shown an
# error box instead.
wait_size $((4 * 121 + FRAME_W)) $((4 * 91 + FRAME_H))
[ -z "$(message_box)" ] || fail "an error box for the good set"
read -r x y w h < <(window_geometry)
xdotool mousemove 0 0
"$kvres" cat "$cards/animations.crd" "$CARD_BACK_ENTRY" >"$WORK/back.bmp"
# The number of the 4 x 4 cells that show exactly the set's card back.
card_backs() {
  import -window root "$WORK/board.png"
  local col row differing backs=0
  for col in 0 1 2 3; do
    for row in 0 1 2 3; do
      convert "$WORK/board.png" \
        -crop "120x90+$((x + GRID_X + 121 * col))+$((y + GRID_Y + 91 * row))" +repage \
        "$WORK/cell.png"
      differing=$(compare -metric AE "$WORK/back.bmp" "$WORK/cell.png" null: 2>&1) || true
      [ "$differing" != 0 ] || backs=$((backs + 1))
    done
  done
  echo "$backs"
}
# The pointer has left the board, so no cell stays lit once the board is drawn.
all_backs_shown() { [ "$(card_backs)" = 16 ]; }
wait_until 20 "the board never showed its 16 card backs" all_backs_shown
[ -z "${SHOTS:-}" ] || cp "$WORK/board.png" "$SHOTS/hostile-board.png"
peak_kb=$(awk '/^VmHWM:/{print $2}' "/proc/$GAME_PID/status")
[ "$peak_kb" -lt "$peak_limit_kb" ] || fail "the game's peak memory was $peak_kb kB"

exit_game
[ "$(stored_set)" = animations.crd ] || fail "the set saved is $(stored_set)"
echo "hostile-cards: ok (${#offered[@]} sets on offer, peak $((peak_kb / 1024)) MiB," \
  "$((SECONDS - started)) s)"
