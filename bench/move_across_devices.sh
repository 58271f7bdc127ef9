#!/usr/bin/env bash
# Times a move in Original format with Delete source from one file system
# onto another, the way photos leave a camera card: PHOTOS photos on a tmpfs
# (/dev/shm, or SOURCE_ROOT) moved into a folder on the disk (DEST_ROOT, by
# default beside the build). Each program given runs the same silent script
# on fresh copies of the same photos, the programs alternating ROUNDS times
# in one run, so that builds can be compared on one machine at one time;
# `mv` moves the same photos as the reference (it waits for no disk).
# MODES lists the destination folder's modes to time, each side once per
# mode: "755 333" compares a folder that can be read with one that can only
# be written into (a drop box). Root passes every permission check, so with
# MODES every side runs as the ordinary user RUN_AS (nobody).
#
#   bench/move_across_devices.sh [PROGRAM...]   (default: the build's program)
#
# Environment: PHOTOS (40), WIDTH (4000), HEIGHT (3000), ROUNDS (5),
# SOURCE_ROOT (/dev/shm), DEST_ROOT (the build folder), MODES (755), RUN_AS
# (nobody where MODES is set and root runs the bench), GLIMMERBOX_BUILD_DIR
# (build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
if [ $# -eq 0 ]; then set -- "$(pwd)/$BUILD_DIR/bin/glimmerbox"; fi
for program in "$@"; do [ -x "$program" ] || { echo "not a program: $program" >&2; exit 2; }; done
COUNT="${PHOTOS:-40}"
WIDTH="${WIDTH:-4000}"
HEIGHT="${HEIGHT:-3000}"
ROUNDS="${ROUNDS:-5}"
SOURCE_ROOT="${SOURCE_ROOT:-/dev/shm}"
DEST_ROOT="${DEST_ROOT:-$(cd "$BUILD_DIR" && pwd)}"
RUN_AS="${RUN_AS:-}"
if [ -n "${MODES:-}" ] && [ -z "$RUN_AS" ] && [ "$(id -u)" = 0 ]; then RUN_AS=nobody; fi
read -r -a modes <<< "${MODES:-755}"

WORK="$(mktemp -d "$DEST_ROOT/gb-move-XXXXXX")"
CARD="$(mktemp -d "$SOURCE_ROOT/gb-card-XXXXXX")"
trap 'rm -rf "$WORK" "$CARD"' EXIT
if [ "$(stat -c %d "$WORK")" = "$(stat -c %d "$CARD")" ]; then
  echo "$SOURCE_ROOT and $DEST_ROOT are on one file system: a move there is a rename" >&2
  exit 2
fi
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$(cd "$BUILD_DIR" && pwd)/Resources"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"; mkdir -p "$HOME/Documents" "$HOME/Pictures" "$TMPDIR" "$WORK/seeds"

echo "generating $COUNT photos of ${WIDTH}x${HEIGHT} on $(df --output=fstype "$CARD" | tail -1), moved onto $(df --output=fstype "$WORK" | tail -1)..."
for i in $(seq 0 7); do
  convert -seed "$i" -size "${WIDTH}x${HEIGHT}" "plasma:fractal" -attenuate 0.3 +noise Gaussian \
    -quality 92 "$WORK/seeds/seed$i.jpg" &
done
wait
echo "$(du -sh "$WORK/seeds" | cut -f1) of seeds; load: $(uptime)"
# The sides' user owns its settings, the photos and the destination.
as_user=()
if [ -n "$RUN_AS" ]; then
  as_user=(setpriv --reuid="$RUN_AS" --regid="$(id -g "$RUN_AS")" --clear-groups)
  chmod 755 "$WORK"
  chown -R "$RUN_AS" "$WORK/home" "$TMPDIR" "$XDG_RUNTIME_DIR" "$CARD"
fi

cat > "$WORK/move.gbs" <<EOF
<?xml version="1.0" encoding="utf-16"?>
<Script Version="1" Mode="Silent">
<Properties Class="Script"><Property Name="DisableNotifications">1</Property>
<Property Name="HideProcessing">0</Property></Properties>
<Images><Search Path="$CARD/in/*.jpg" Subfolders="0" /></Images>
<Filters></Filters>
<Properties Class="Output"><Property Name="Destination">1</Property>
<Property Name="OutputFolderStruct">0</Property>
<Property Name="DestPath">$WORK/out</Property>
<Property Name="OpenOutputFolder">0</Property><Property Name="DeleteSource">1</Property></Properties>
<Properties Class="Format"><Property Name="OutputFormat">Original</Property></Properties>
</Script>
EOF

# Fresh photos on the card, an empty destination of mode $1, and nothing of
# the last side still waiting for the disk.
prepare() {
  rm -rf "$CARD/in" "$WORK/out"
  mkdir -p "$CARD/in" "$WORK/out"
  for i in $(seq 1 "$COUNT"); do cp "$WORK/seeds/seed$((i % 8)).jpg" "$CARD/in/$(printf 'p%04d' "$i").jpg"; done
  if [ -n "$RUN_AS" ]; then chown -R "$RUN_AS" "$CARD/in" "$WORK/out"; fi
  chmod "$1" "$WORK/out"
  sync
}
# Every photo arrived and no source is left.
check() {
  local moved left
  moved=$(find "$WORK/out" -maxdepth 1 -name '*.jpg' | wc -l)
  left=$(find "$CARD/in" -maxdepth 1 -name '*.jpg' | wc -l)
  if [ "$moved" != "$COUNT" ] || [ "$left" != 0 ]; then
    echo "$1: $moved of $COUNT moved, $left sources left" >&2
    exit 1
  fi
}
seconds() { # COMMAND...: wall seconds of the command
  local start end
  start=$(date +%s.%N)
  "$@" > "$WORK/side.log" 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
move_with_mv() { "${as_user[@]}" sh -c 'mv "$1"/in/*.jpg "$2/out/"' mv "$CARD" "$WORK"; }

declare -A best
programs=("$@" mv)
for round in $(seq 1 "$ROUNDS"); do
  for mode in "${modes[@]}"; do
    for program in "${programs[@]}"; do
      side="$program, into mode $mode"
      prepare "$mode"
      if [ "$program" = mv ]; then t=$(seconds move_with_mv); else t=$(seconds "${as_user[@]}" "$program" "$WORK/move.gbs"); fi
      check "$side"
      printf 'round %d  %-70s %6.2f s\n' "$round" "$side" "$t"
      if [ -z "${best[$side]:-}" ] || [ "$(echo "$t < ${best[$side]}" | bc)" = 1 ]; then best[$side]=$t; fi
    done
  done
done
echo
echo "best of $ROUNDS, $COUNT photos ($(du -sh "$WORK/out" | cut -f1)) moved onto another file system${RUN_AS:+ by $RUN_AS}:"
for mode in "${modes[@]}"; do
  for program in "${programs[@]}"; do
    side="$program, into mode $mode"
    printf '  %-70s %6.2f s  %6.1f ms a photo\n' "$side" "${best[$side]}" "$(echo "${best[$side]} * 1000 / $COUNT" | bc -l)"
  done
done
echo "load: $(uptime)"
