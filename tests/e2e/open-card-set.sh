#!/usr/bin/env bash
# A card set opened while the game runs, as a file manager opens it: started a second time with
# the set, the game hands it to the running copy and ends with status 0; the running game then
# shows the set chosen in the options, has copied it into the player's card folder and saves
# it as the chosen set at exit. A damaged set and a pipe are refused with a message and change
# nothing. A socket left by a killed game never blocks the next start, which opens its own set.
# A set opened during a game leaves the game as it is, and is the one saved for the next.
# Usage (inside a virtual X server (with-xvfb) with a 1024 x 768 screen): open-card-set.sh GAME DKWRIGHT
# With SHOTS naming a folder, the options with the set and the refusal are saved there.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
dkwright=$2
export XDG_DATA_HOME=$WORK/data
cards=$XDG_DATA_HOME/Kovalent/Tesselo/cards
downloads=$WORK/downloads
mkdir -p "$downloads" "$WORK/pictures"

# Two sets of the player's own, as the card builder makes them.
make_set() {
  local name=$1 title=$2 hue=$3 i
  rm -f "$WORK/pictures/"*
  for i in $(seq 8); do
    convert -size 96x72 "xc:hsl($((hue + i * 12)),70%,50%)" "BMP3:$WORK/pictures/face$i.bmp"
  done
  "$dkwright" build -o "$downloads/$name" --title "$title" "$WORK/pictures" >/dev/null
}
make_set holiday.crd "Our holiday" 0
make_set beach.crd "Beach" 180
make_set garden.crd "Garden" 90
head -c 3000 "$downloads/holiday.crd" >"$downloads/cut.crd"
mkfifo "$downloads/pipe.crd"

# The card-set list of the options panel, in the window of the design size.
list_shot() {
  read -r x y _ _ < <(window_geometry)
  local left=$((x + OPTIONS_X + CARDS_BOX_LEFT)) top=$((y + OPTIONS_Y + CARDS_BOX_TOP))
  import -window root -crop "${CARDS_BOX_W}x$CARDS_BOX_H+$left+$top" +repage "$WORK/$1.png"
}
same_shot() {
  [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true)" = 0 ]
}
options() { click_bar_and_wait_change OPTIONS; }
# Starts a second copy with ARGS; it must end by itself with status 0.
second_copy() {
  local status=0
  timeout 30 "$GAME" "$@" 2>>"$WORK/second.err" || status=$?
  [ "$status" = 0 ] || fail "the second copy with $* ended with $status: $(cat "$WORK/second.err")"
}
# Waits up to 20 s until the card-set list differs from the picture NAME.
wait_list_change() {
  for _ in $(seq 100); do
    list_shot now
    same_shot now "$1" || return 0
    sleep 0.2
  done
  fail "the card-set list did not change"
}

start_game
options
list_shot before
second_copy "$downloads/holiday.crd"
wait_list_change before
cp "$WORK/now.png" "$WORK/holiday.png"
[ -z "${SHOTS:-}" ] || import -window root "$SHOTS/open-card-set-added.png"
cmp -s "$downloads/holiday.crd" "$cards/holiday.crd" || fail "the set was not copied whole"
[ -z "$(message_box)" ] || fail "a message box after a good set"

# Refused sets: one message each, nothing copied, the choice unchanged.
for bad in cut.crd pipe.crd; do
  second_copy "$downloads/$bad"
  box=$(wait_message_box)
  [ -z "${SHOTS:-}" ] || import -window root "$SHOTS/open-card-set-refused-$bad.png"
  dismiss "$box"
  [ ! -e "$cards/$bad" ] || fail "the refused $bad was copied"
  list_shot now
  same_shot now holiday || fail "the choice changed after the refused $bad"
done
exit_game
[ "$(stored_set)" = holiday.crd ] || fail "the set saved at exit is '$(stored_set)'"

# The next start lists the set from the player's folder and chooses it as before.
start_game
options
list_shot restarted
same_shot restarted holiday || fail "after a restart the list does not show the set chosen"

# A game killed outright leaves its lock and its socket; the next start with a set is the
# running game itself and opens the set.
kill -KILL "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
[ -S "$XDG_RUNTIME_DIR/$SERIES_NAME.socket" ] || fail "no socket was left to test with"
start_game "$downloads/beach.crd"
for _ in $(seq 100); do
  cmp -s "$downloads/beach.crd" "$cards/beach.crd" && break
  sleep 0.2
done
cmp -s "$downloads/beach.crd" "$cards/beach.crd" || fail "the set of the first start was not copied"
# The set of the first start is chosen: the list shows another set than before, and stays so.
wait_list_change holiday
wait_settled
list_shot beach
same_shot beach holiday && fail "the set of the first start is not chosen"
exit_game
[ "$(stored_set)" = beach.crd ] || fail "the set saved at exit is '$(stored_set)', not beach.crd"
start_game
options
list_shot beach-restarted
same_shot beach-restarted beach || fail "the options did not show the set of the first start"

# During a game with one card turned, a set opened from a second start is taken in and chosen,
# and the board stays as it was: its size, and the card face up.
exit_game
write_settings '"Computer"=dword:00000000' '"Pairs"=dword:00000008' '"Cards"="beach.crd"'
start_game
click_bar_and_wait_change PLAY
first_card="40x40+$((GRID_X + 10))+$((GRID_Y + 10))"
click_and_wait_change $((GRID_X + 30)) $((GRID_Y + 30)) "$first_card"
block_picture "$WORK/turned.png" "$first_card"
read -r _ _ board_w board_h < <(window_geometry)
second_copy "$downloads/garden.crd"
wait_until 20 "the set opened during the game was not copied" \
  cmp -s "$downloads/garden.crd" "$cards/garden.crd"
wait_settled
[ -z "$(message_box)" ] || fail "a message box after a set opened during the game"
has_size "$board_w" "$board_h" || fail "the board changed its size when a set was opened"
block_picture "$WORK/still.png" "$first_card"
[ "$(compare -metric AE "$WORK/turned.png" "$WORK/still.png" null: 2>&1 || true)" = 0 ] ||
  fail "the turned card is no longer face up after a set was opened"
exit_game
[ "$(stored_set)" = garden.crd ] || fail "the set saved at exit is '$(stored_set)', not garden.crd"
echo "open-card-set: ok"
