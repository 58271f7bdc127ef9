#!/usr/bin/env bash
# Times batches of the program against ImageMagick's convert doing the same
# work on the same photos, one convert process per core:
#   negate    negate, JPEG quality 88          (convert -negate)
#   downsize  resize to fit 1600 x 1200, JPEG 88 (convert -scale 1600x1200)
# Then the parallel efficiency (one core against all) and the peak memory of
# a 400-photo and a 40-photo run.
#
#   bench/batch_vs_convert.sh [PHOTOS=100] [WIDTH=4000] [HEIGHT=3000]
#
# Environment: ROUNDS (3), JOBS ("negate downsize"), SKIP_EFFICIENCY=1,
# SKIP_MEMORY=1, GLIMMERBOX_BUILD_DIR (build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
BENCH="$BUILD_DIR/bin/gb_batchbench"
[ -x "$BENCH" ] || { echo "build first: $BENCH is missing" >&2; exit 2; }
COUNT="${1:-100}"
WIDTH="${2:-4000}"
HEIGHT="${3:-3000}"
CORES="$(nproc)"
ROUNDS="${ROUNDS:-3}"
JOBS="${JOBS:-negate downsize}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$(cd "$BUILD_DIR" && pwd)/Resources"
export MAGICK_CONFIGURE_PATH="$GLIMMERBOX_RESOURCES"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"; mkdir -p "$HOME/Documents" "$HOME/Pictures" "$TMPDIR" "$WORK/in"

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
echo "load: $(uptime)"

# The program's filter and convert's operations of each job.
filter_of() {
  case "$1" in
    negate) echo 3080 ;;
    downsize) echo 5040:1600,1200,1,3,0,0 ;;
  esac
}
# convert's read settings (before the input) and operations (after it).
read_settings_of() {
  case "$1" in
    downsize-hint) echo "-define jpeg:size=1600x1200" ;;
    *) echo "" ;;
  esac
}
convert_ops_of() {
  case "$1" in
    negate) echo "-negate" ;;
    downsize | downsize-hint) echo "-scale 1600x1200" ;;
  esac
}
convert_line_of() { echo "$(read_settings_of "$1") IN $(convert_ops_of "$1")" | sed 's/^ //'; }

run_ours() { "$BENCH" "$1" "$2" "$3" 88; }
run_convert() { # IN OUT SIDE
  local in=$1 out=$2 pre ops
  pre=$(read_settings_of "$3")
  ops=$(convert_ops_of "$3")
  # shellcheck disable=SC2086
  ls "$in" | MAGICK_THREAD_LIMIT=1 xargs -P "$CORES" -I{} convert $pre "$in/{}" $ops -quality 88 "$out/{}"
}
# OUT_FILE COMMAND...: runs the command, writes "wall cpu" in seconds (cpu =
# user + system time of the command and every process it waited for).
timed() {
  local file=$1 TIMEFORMAT='%R %U %S'
  shift
  { time "$@" > "$WORK/last.out" 2> "$WORK/last.err"; } 2> "$WORK/time"
  awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' "$WORK/time" > "$file"
}
min_of() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc)" = 1 ]; then echo "$2"; else echo "$1"; fi; }
ratio() { echo "scale=3; $1 / $2" | bc -l | sed 's/^\./0./'; }

# The machine may be shared: the sides alternate, ROUNDS times, and the best
# wall time and the best CPU time of each side count.
bench_job() {
  local job=$1 filter sides side
  filter=$(filter_of "$job")
  sides="convert"
  [ "$job" = downsize ] && sides="convert downsize-hint"
  declare -A wall cpu
  for round in $(seq 1 "$ROUNDS"); do
    rm -rf "$WORK/ours"
    mkdir -p "$WORK/ours"
    timed "$WORK/t" run_ours "$WORK/in" "$WORK/ours" "$filter"
    [ "$(ls "$WORK/ours" | wc -l)" -eq "$COUNT" ] || { echo "our run wrote too few files" >&2; exit 1; }
    local ours_line
    ours_line="$(cat "$WORK/last.out")"
    read -r w c < "$WORK/t"
    wall[ours]=$(min_of "${wall[ours]:-}" "$w"); cpu[ours]=$(min_of "${cpu[ours]:-}" "$c")
    local line="round $round: ours $w s (cpu $c s)"
    for side in $sides; do
      local what=$side
      [ "$side" = convert ] && what=$job
      rm -rf "$WORK/ref"
      mkdir -p "$WORK/ref"
      timed "$WORK/t" run_convert "$WORK/in" "$WORK/ref" "$what"
      [ "$(ls "$WORK/ref" | wc -l)" -eq "$COUNT" ] || { echo "convert wrote too few files" >&2; exit 1; }
      read -r w c < "$WORK/t"
      wall[$side]=$(min_of "${wall[$side]:-}" "$w"); cpu[$side]=$(min_of "${cpu[$side]:-}" "$c")
      line="$line, $side $w s (cpu $c s)"
    done
    echo "$job $line"
    echo "  $ours_line"
  done
  printf '%s: ours %.2f s (cpu %.2f s)   convert -P %d "%s" %.2f s (cpu %.2f s)   ratio %s (cpu %s)\n' \
    "$job" "${wall[ours]}" "${cpu[ours]}" "$CORES" "$(convert_line_of "$job")" "${wall[convert]}" "${cpu[convert]}" \
    "$(ratio "${wall[ours]}" "${wall[convert]}")" "$(ratio "${cpu[ours]}" "${cpu[convert]}")"
  if [ "$job" = downsize ]; then
    printf '%s: convert -P %d "%s" %.2f s (cpu %.2f s)   ours against it: ratio %s (cpu %s)\n' \
      "$job" "$CORES" "$(convert_line_of downsize-hint)" "${wall[downsize-hint]}" "${cpu[downsize-hint]}" \
      "$(ratio "${wall[ours]}" "${wall[downsize-hint]}")" "$(ratio "${cpu[ours]}" "${cpu[downsize-hint]}")"
  fi
}

for job in $JOBS; do
  bench_job "$job"
done

# Parallel efficiency: the negate job on one core (one worker, one
# ImageMagick thread) against all cores: time on 1 / (cores x time on all).
if [ "${SKIP_EFFICIENCY:-0}" != 1 ]; then
  best_one=""
  best_all=""
  for round in $(seq 1 "$ROUNDS"); do
    rm -rf "$WORK/ours"
    timed "$WORK/t" taskset -c 0 "$BENCH" "$WORK/in" "$WORK/ours" 3080 88
    read -r w _ < "$WORK/t"
    best_one=$(min_of "$best_one" "$w")
    rm -rf "$WORK/ours"
    timed "$WORK/t" run_ours "$WORK/in" "$WORK/ours" 3080
    read -r w _ < "$WORK/t"
    best_all=$(min_of "$best_all" "$w")
  done
  rm -rf "$WORK/ours"
  printf 'parallel efficiency (negate): 1 core %.2f s, %d cores %.2f s, efficiency %s\n' \
    "$best_one" "$CORES" "$best_all" "$(echo "scale=3; $best_one / ($CORES * $best_all)" | bc -l | sed 's/^\./0./')"
fi

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
      kb=$(run_ours "$1" "$WORK/out" 3080 | sed 's/.*peak_kb //')
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
echo "load: $(uptime)"
