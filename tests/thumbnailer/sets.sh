#!/usr/bin/env bash
# The previewer against the default card sets and the hostile sets of the reliability checks:
# each run gives a PNG of the asked size, or a non-zero status and no file, within the time cap
# and a bound on memory, and never a crash; and nothing is written but the asked file. Then
# what OUTPUT may be: a new name or a regular file, replaced, and nothing else, refused at once.
# Usage: sets.sh THUMBNAILER KVRES CARDS_DIR
set -euo pipefail
thumbnailer=$(readlink -f "$1") kvres=$(readlink -f "$2") cards=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

sets=$work/sets
"$(dirname "$0")/../../fuzz/make-hostile-cards" "$sets" "$kvres" "$cards/shapes.crd" >/dev/null
cp "$cards"/*.crd "$sets/"
# A run sees a home, a cache and a working folder of its own, all empty, and must leave them so.
home=$work/home out=$work/out
mkdir -p "$home/cache" "$home/run" "$out"
chmod 700 "$home/run"
# The largest face allowed whole, with what decoding it holds besides, and no more.
peak_limit_kb=$((512 * 1024))
previews=0 refused=0
for set in "$sets"/*.crd; do
  name=$(basename "$set")
  for size in 128 256; do
    png=$out/$name-$size.png
    started=$SECONDS
    status=0
    (cd "$home" && HOME=$home XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run \
      /usr/bin/time -f %M -o "$work/peak" timeout -s KILL 30 "$thumbnailer" -s "$size" "$set" \
      "$png") 2>"$work/err" || status=$?
    [ $((SECONDS - started)) -le 15 ] || fail "$name took $((SECONDS - started)) s"
    peak_kb=$(tail -1 "$work/peak")
    [ "$peak_kb" -le "$peak_limit_kb" ] || fail "$name at $size took $((peak_kb / 1024)) MiB"
    # 1: the set is refused, 3: the time cap was reached; anything else is a fault.
    case $status in
    0 | 1 | 3) ;;
    *) fail "$name ended with status $status: $(cat "$work/err")" ;;
    esac
    if [ "$status" = 0 ]; then
      read -r w h < <(identify -format '%w %h\n' "$png")
      [ "$w" = "$size" ] || [ "$h" = "$size" ] || fail "$name gave ${w}x$h for $size"
      [ "$w" -le "$size" ] && [ "$h" -le "$size" ] || fail "$name gave ${w}x$h for $size"
      previews=$((previews + 1))
    else
      [ ! -e "$png" ] || fail "$name failed ($status) but left $png"
      refused=$((refused + 1))
    fi
  done
done
for name in animations wallpapers shapes learn-shapes hear-words; do
  [ -s "$out/$name.crd-128.png" ] || fail "no preview of the default set $name"
done
leftovers=$(find "$home" -mindepth 1 -not -path "$home/cache" -not -path "$home/run")
[ -z "$leftovers" ] || fail "written besides the previews: $leftovers"
[ -z "$(find "$home/cache" "$home/run" -mindepth 1)" ] || fail "the cache or runtime folder was written"
[ -z "$(find "$out" -type f -not -name '*.png')" ] || fail "other files among the previews"

targets=$work/targets
mkdir "$targets"
mkfifo "$targets/pipe"
mkdir "$targets/folder"
ln -s "$work/elsewhere" "$targets/link"
: >"$targets/file"
ln "$targets/file" "$targets/other-name"
for case in new:0 file:0 pipe:1 folder:1 link:1 /dev/null:1; do
  target=${case%:*}
  [[ $target == /* ]] || target=$targets/$target
  status=0
  timeout -s KILL 15 "$thumbnailer" -s 64 "$cards/shapes.crd" "$target" 2>/dev/null || status=$?
  [ "$status" = "${case#*:}" ] || fail "OUTPUT $target ended with status $status"
done
[ -s "$targets/new" ] && [ -s "$targets/file" ] || fail "a preview did not take OUTPUT's place"
[ ! -s "$targets/other-name" ] && [ -p "$targets/pipe" ] && [ ! -e "$work/elsewhere" ] ||
  fail "a refused OUTPUT, or another name of the replaced file, was written through"
[ "$(ls -A "$targets" | wc -l)" = 6 ] || fail "left beside OUTPUT: $(ls -A "$targets")"
echo "thumbnailer: ok ($previews previews, $refused refusals)"
