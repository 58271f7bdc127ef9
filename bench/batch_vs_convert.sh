#!/usr/bin/env bash
# Times a batch of the program against ImageMagick's convert doing the same
# work (negate, JPEG quality 88) on the same photos, one process per core.
# Also compares the peak memory of a 400-photo and a 40-photo run.
#
#   bench/batch_vs_convert.sh [PHOTOS=100] [WIDTH=4000] [HEIGHT=3000]
#
# Needs a build (scripts/build.sh); GLIMMERBOX_BUILD_DIR names its folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
BENCH="$BUILD_DIR/bin/gb_batchbench"
[ -x "$BENCH" ] || { echo "build first: $BENCH is missing" >&2; exit 2; }
COUNT="${1:-100}"
WIDTH="${2:-4000}"
HEIGHT="${3:-3000}"
CORES="$(nproc)"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$(cd "$BUILD_DIR" && pwd)/Resources"
export MAGICK_CONFIGURE_PATH="$GLIMMERBOX_RESOURCES"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"; mkdir -p "$HOME/Documents" "$HOME/Pictures" "$TMPDIR" "$WORK/in" "$WORK/ours" "$WORK/ref"

# Eight different photos, copied up to COUNT files (each one is decoded anew).
echo "generating $COUNT photos of ${WIDTH}x${HEIGHT}..."
for i in $(seq 0 7); do
  convert -seed "$i" -size "${WIDTH}x${HEIGHT}" "plasma:fractal" -quality 92 "$WORK/seed$i.jpg" &
done
wait
for i in $(seq 1 "$COUNT"); do
  cp "$WORK/seed$((i % 8)).jpg" "$WORK/in/$(printf 'p%04d' "$i").jpg"
done
sync

run_ours() { "$BENCH" "$1" "$2" 3080 88; }
run_convert() {
  ls "$1" | MAGICK_THREAD_LIMIT=1 xargs -P "$CORES" -I{} convert "$1/{}" -negate -quality 88 "$2/{}"
}
seconds_of() { # command...: runs it, prints its wall time in seconds
  local start end
  start=$(date +%s.%N)
  "$@" > "$WORK/last.out"
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

# The machine may be shared: the two sides alternate, ROUNDS times, and the
# best time of each side counts.
ROUNDS="${ROUNDS:-3}"
OURS=""
REF=""
for round in $(seq 1 "$ROUNDS"); do
  rm -rf "$WORK/ours" "$WORK/ref"
  mkdir -p "$WORK/ours" "$WORK/ref"
  t=$(seconds_of run_ours "$WORK/in" "$WORK/ours")
  OURS_LINE="$(cat "$WORK/last.out")"
  [ "$(ls "$WORK/ours" | wc -l)" -eq "$COUNT" ] || { echo "our run wrote too few files" >&2; exit 1; }
  r=$(seconds_of run_convert "$WORK/in" "$WORK/ref")
  [ "$(ls "$WORK/ref" | wc -l)" -eq "$COUNT" ] || { echo "convert wrote too few files" >&2; exit 1; }
  printf 'round %d: ours %.2f s, convert %.2f s\n' "$round" "$t" "$r"
  if [ -z "$OURS" ] || [ "$(echo "$t < $OURS" | bc)" = 1 ]; then OURS=$t; fi
  if [ -z "$REF" ] || [ "$(echo "$r < $REF" | bc)" = 1 ]; then REF=$r; fi
done

echo "$OURS_LINE"
printf 'ours %.2f s   convert (%d processes at a time) %.2f s   ratio %.3f\n' \
  "$OURS" "$CORES" "$REF" "$(echo "$OURS / $REF" | bc -l)"

# Peak memory depends on the thread count, not on the number of photos. The
# peak of one run depends on how often all workers hold a decoded photo at
# the same moment, so each size runs three times and the highest peak counts.
if [ "${SKIP_MEMORY:-0}" != 1 ]; then
  mkdir -p "$WORK/in40" "$WORK/in400"
  for i in $(seq 1 400); do
    ln "$WORK/seed$((i % 8)).jpg" "$WORK/in400/$(printf 'p%04d' "$i").jpg"
    [ "$i" -le 40 ] && ln "$WORK/seed$((i % 8)).jpg" "$WORK/in40/$(printf 'p%04d' "$i").jpg"
  done
  rm -rf "$WORK/ours" "$WORK/ref"
  peak_of() {
    local best=0 kb
    for _ in 1 2 3; do
      rm -rf "$WORK/out"
      kb=$(run_ours "$1" "$WORK/out" | sed 's/.*peak_kb //')
      [ "$kb" -gt "$best" ] && best=$kb
    done
    rm -rf "$WORK/out"
    echo "$best"
  }
  P40=$(peak_of "$WORK/in40")
  P400=$(peak_of "$WORK/in400")
  printf 'peak memory (highest of 3 runs): 40 photos %d MB, 400 photos %d MB, ratio %.3f\n' \
    $((P40 / 1024)) $((P400 / 1024)) "$(echo "$P400 / $P40" | bc -l)"
fi
