#!/usr/bin/env bash
# Runs the leak-checked copy of the game once on the offscreen platform: it starts, plays a
# little, closes with its exit button and saves the settings. Fails when it does not get that
# far, ends with another status, or LeakSanitizer reports a leak its suppressions (toolkit and
# system library internals only) do not cover.
# Usage: leak-run.sh LEAK_GAME PROGRAM_FOLDER SUPPRESSIONS
set -euo pipefail
game=$1
program=$(realpath "$2")
suppressions=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private runtime and configuration folder: the player's settings are never touched, and a
# game already running elsewhere does not turn this run into a silent second copy.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

# The game finds its data beside its own executable.
folder=$(dirname "$game")
for item in "$program"/*; do
  name=$(basename "$item")
  [ "$name" = tesselo ] && continue
  ln -sfn "$item" "$folder/$name"
done

# A copy built without the checker would pass whatever it leaked.
libraries=$(ldd "$game")
[[ $libraries == *liblsan* ]] || { echo "FAIL: $game does not carry LeakSanitizer" >&2; exit 1; }

# The toolkit's libraries have no frame pointers: the slow unwinder gives whole stacks, so the
# suppressions can name the library or function that really made the allocation.
export LSAN_OPTIONS="suppressions=$suppressions:fast_unwind_on_malloc=0:print_suppressions=0:exitcode=23"
status=0
timeout 150 "$game" >"$work/out" 2>"$work/err" || status=$?

fail() {
  echo "FAIL: $*" >&2
  cat "$work/err" >&2
  exit 1
}
grep -q 'LeakSanitizer' "$work/err" && fail "LeakSanitizer reported (status $status)"
[ "$status" = 0 ] || fail "the game ended with status $status"
grep -q 'leak_game: played, closing' "$work/out" || fail "the game did not get as far as closing"
[ -f "$XDG_CONFIG_HOME/Kovalent/registry.reg" ] || fail "no settings saved on closing"
echo "leak_game: no leak of our own"
