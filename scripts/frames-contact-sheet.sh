#!/usr/bin/env bash
# Applies every frame style (31 in all) to a real photo through the filter
# engine and montages the results into one contact sheet.
# Usage: scripts/frames-contact-sheet.sh [OUTPUT.png]   (default frames-sheet.png)
# Needs a build (GLIMMERBOX_BUILD_DIR, default build) and ../shared/photos.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
OUTPUT="${1:-frames-sheet.png}"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
GB_FRAMES_SHEET="$WORK" QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$PWD/$BUILD_DIR/Resources" \
    "$BUILD_DIR/tests/bin/filters_tst_frames" contactSheet >/dev/null
count=$(ls "$WORK"/*.png | wc -l)
[ "$count" -eq 31 ] || { echo "expected 31 framed photos, got $count" >&2; exit 1; }
for f in "$WORK"/*.png; do
    convert "$f" -background white -flatten -resize 360x300 "${f%.png}.jpg"
done
montage -label '%t' "$WORK"/*.jpg -background '#808080' -fill white -pointsize 14 \
    -tile 6x -geometry 360x300+6+6 "$OUTPUT"
echo "$OUTPUT"
