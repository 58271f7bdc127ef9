#!/usr/bin/env bash
# Times the negate job over photos of mixed sizes: LARGE photos of 24
# megapixels among SMALL ones of 2 megapixels, the large ones at fixed
# pseudo-random places in the list. Prints for each round the run time, the
# CPU time and how long the workers that finished early sat idle until the
# last one finished (added up, and the longest).
#
#   bench/mixed_sizes.sh [SMALL=60] [LARGE=4]
#
# Needs a build (scripts/build.sh); GLIMMERBOX_BUILD_DIR names its folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
BENCH="$BUILD_DIR/bin/gb_batchbench"
[ -x "$BENCH" ] || { echo "build first: $BENCH is missing" >&2; exit 2; }
SMALL="${1:-60}"
LARGE="${2:-4}"
ROUNDS="${ROUNDS:-3}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$(cd "$BUILD_DIR" && pwd)/Resources"
export MAGICK_CONFIGURE_PATH="$GLIMMERBOX_RESOURCES"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"; mkdir -p "$HOME/Documents" "$HOME/Pictures" "$TMPDIR" "$WORK/in"

echo "generating $LARGE photos of 6000x4000 among $SMALL of 1600x1200..."
convert -seed 1 -size 6000x4000 plasma:fractal -quality 92 "$WORK/large.jpg" &
convert -seed 2 -size 1600x1200 plasma:fractal -quality 92 "$WORK/small.jpg" &
wait
TOTAL=$((SMALL + LARGE))
# The places of the large photos: the same on every run.
PLACES=$(awk -v n="$TOTAL" -v k="$LARGE" 'BEGIN { srand(7); while (c < k) { p = int(rand() * n) + 1; if (!(p in s)) { s[p] = 1; c++; printf "%d ", p } } }')
for i in $(seq 1 "$TOTAL"); do
  source="$WORK/small.jpg"
  for p in $PLACES; do [ "$p" -eq "$i" ] && source="$WORK/large.jpg"; done
  cp "$source" "$WORK/in/$(printf 'p%04d' "$i").jpg"
done
sync
echo "large photos at places: $PLACES"
echo "load: $(uptime)"
for round in $(seq 1 "$ROUNDS"); do
  rm -rf "$WORK/out"
  echo "round $round: $("$BENCH" "$WORK/in" "$WORK/out" 3080 88)"
done
echo "load: $(uptime)"
