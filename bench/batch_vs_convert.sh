#!/usr/bin/env bash
# Times the program itself (build/bin/glimmerbox on a silent script, the
# whole process from start to exit) against ImageMagick's convert doing the
# same work on the same photos, one convert process per core:
#   negate    negate, JPEG quality 88                (convert -negate -quality 88)
#   fit       fit 1600 x 1200, JPEG 88               (convert -scale 1600x1200 -quality 88)
#   pngwrite  PNG_PHOTOS photos written as PNG, best compression
#                                                    (convert -quality 90: the same zlib settings)
#   pngread   the same PNGs read and written as JPEG 88 (convert -quality 88)
# Then the parallel efficiency (one worker on one core against all cores)
# and the peak memory of a 40-photo and a 400-photo run.
#
#   bench/batch_vs_convert.sh [PHOTOS=40] [WIDTH=4000] [HEIGHT=3000]
#
# Environment: ROUNDS (3), JOBS ("negate fit pngwrite pngread"), PNG_PHOTOS
# (16), SKIP_EFFICIENCY=1, SKIP_MEMORY=1, GLIMMERBOX_BUILD_DIR (build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
PROGRAM="$(pwd)/$BUILD_DIR/bin/glimmerbox"
[ -x "$PROGRAM" ] || { echo "build first: $PROGRAM is missing" >&2; exit 2; }
COUNT="${1:-40}"
WIDTH="${2:-4000}"
HEIGHT="${3:-3000}"
CORES="$(nproc)"
ROUNDS="${ROUNDS:-3}"
JOBS="${JOBS:-negate fit pngwrite pngread}"
PNG_PHOTOS="${PNG_PHOTOS:-16}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=offscreen GLIMMERBOX_RESOURCES="$(cd "$BUILD_DIR" && pwd)/Resources"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"; mkdir -p "$HOME/Documents" "$HOME/Pictures" "$TMPDIR" "$WORK/in"

# Eight different photos with grain, so that they compress as real ones do
# (about 5 MB each at quality 92), copied up to COUNT files.
echo "generating $COUNT photos of ${WIDTH}x${HEIGHT}..."
for i in $(seq 0 7); do
  convert -seed "$i" -size "${WIDTH}x${HEIGHT}" "plasma:fractal" -attenuate 0.3 +noise Gaussian \
    -quality 92 "$WORK/seed$i.jpg" &
done
wait
for i in $(seq 1 "$COUNT"); do
  cp "$WORK/seed$((i % 8)).jpg" "$WORK/in/$(printf 'p%04d' "$i").jpg"
done
mkdir -p "$WORK/png"
for i in $(seq 1 "$PNG_PHOTOS"); do
  ln "$WORK/in/$(printf 'p%04d' "$i").jpg" "$WORK/png/$(printf 'p%04d' "$i").jpg"
done
sync
echo "load: $(uptime)"

# ---- The program on a script ----

# JOB FILE: a silent script over IN/*.EXT, with FILTER (id, then its
# parameters; empty for none), written as FORMAT into OUT.
write_script() { # FILE IN EXT OUT FORMAT FILTER...
  local file=$1 in=$2 ext=$3 out=$4 format=$5
  shift 5
  {
    echo '<?xml version="1.0" encoding="utf-16"?>'
    echo '<Script Version="1" Mode="Silent">'
    echo '<Properties Class="Script"><Property Name="DisableNotifications">1</Property>'
    echo '<Property Name="HideProcessing">0</Property></Properties>'
    echo "<Images><Search Path=\"$in/*.$ext\" Subfolders=\"0\" /></Images>"
    echo '<Filters>'
    if [ $# -gt 0 ]; then
      echo "<Filter Id=\"$1\">"
      shift
      for p in "$@"; do echo "<Param Type=\"float\">$p</Param>"; done
      echo '</Filter>'
    fi
    echo '</Filters>'
    echo '<Properties Class="Output"><Property Name="Destination">1</Property>'
    echo '<Property Name="OutputFolderStruct">0</Property>'
    echo "<Property Name=\"DestPath\">$out</Property>"
    echo '<Property Name="OpenOutputFolder">0</Property><Property Name="DeleteSource">0</Property></Properties>'
    echo "<Properties Class=\"Format\"><Property Name=\"OutputFormat\">$format</Property>"
    echo '<Property Name="Quality">88</Property><Property Name="PNGComp">1</Property>'
    echo '<Property Name="JpegType">1</Property></Properties>'
    echo '</Script>'
  } > "$file"
}

# Each job: the program's script and convert's command line for one photo.
job_script() { # JOB OUT
  case "$1" in
    negate) write_script "$WORK/job.gbs" "$WORK/in" jpg "$2" JPG 3080 ;;
    fit) write_script "$WORK/job.gbs" "$WORK/in" jpg "$2" JPG 5040 1600 1200 1 3 0 0 ;;
    pngwrite) write_script "$WORK/job.gbs" "$WORK/png" jpg "$2" PNG ;;
    pngread) write_script "$WORK/job.gbs" "$WORK/pngs" png "$2" JPG ;;
  esac
}
job_input() { case "$1" in pngread) echo "$WORK/pngs" ;; pngwrite) echo "$WORK/png" ;; *) echo "$WORK/in" ;; esac; }
job_count() { case "$1" in png*) echo "$PNG_PHOTOS" ;; *) echo "$COUNT" ;; esac; }
# convert's operations and output extension of each job, and its command line.
convert_ops() {
  case "$1" in
    negate) echo "-negate -quality 88" ;;
    fit) echo "-scale 1600x1200 -quality 88" ;;
    pngwrite) echo "-quality 90" ;;
    pngread) echo "-quality 88" ;;
  esac
}
convert_ext() { case "$1" in pngwrite) echo png ;; *) echo jpg ;; esac; }
convert_line() { echo "convert IN $(convert_ops "$1") OUT.$(convert_ext "$1")"; }

run_ours() { # JOB OUT
  job_script "$1" "$2"
  "$PROGRAM" "$WORK/job.gbs" > "$WORK/ours.log" 2>&1
}
run_convert() { # JOB IN OUT
  local ops ext
  ops=$(convert_ops "$1")
  ext=$(convert_ext "$1")
  # shellcheck disable=SC2086
  ls "$2" | MAGICK_THREAD_LIMIT=1 xargs -P "$CORES" -I{} convert "$2/{}" $ops "$3/{}.$ext"
}

# OUT_FILE COMMAND...: runs the command; writes "wall cpu peak_kb" (cpu:
# user + system time of the command and every process it waited for; peak:
# the largest resident size of one of them).
timed() {
  local file=$1
  shift
  if [ "$(type -t "$1")" = function ]; then
    # A function of this script runs in a shell of its own, under the timer.
    set -- bash -c '"$@"' _ "$@"
  fi
  /usr/bin/time -f "%e %U %S %M" -o "$WORK/time" "$@"
  awk '{ printf "%.2f %.2f %d\n", $1, $2 + $3, $4 }' "$WORK/time" > "$file"
}
export WORK PROGRAM CORES PNG_PHOTOS
export -f write_script job_script run_ours run_convert convert_ops convert_ext
min_of() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc)" = 1 ]; then echo "$2"; else echo "$1"; fi; }
ratio() { echo "scale=3; $1 / $2" | bc -l | sed 's/^\./0./'; }
count_files() { find "$1" -maxdepth 1 -type f | wc -l; }

# The PNGs that the reading job starts from.
if [[ " $JOBS " == *" pngread "* ]]; then
  mkdir -p "$WORK/pngs"
  ls "$WORK/png" | MAGICK_THREAD_LIMIT=1 xargs -P "$CORES" -I{} convert "$WORK/png/{}" -quality 90 "$WORK/pngs/{}.png"
fi

declare -A SUMMARY
# The machine may be shared: the sides alternate, ROUNDS times, and the best
# wall time and the best CPU time of each side count.
bench_job() {
  local job=$1 expected w c m
  expected=$(job_count "$job")
  local best_ow="" best_oc="" best_cw="" best_cc=""
  for round in $(seq 1 "$ROUNDS"); do
    rm -rf "$WORK/ours" "$WORK/ref"
    mkdir -p "$WORK/ours" "$WORK/ref"
    timed "$WORK/t" run_ours "$job" "$WORK/ours"
    [ "$(count_files "$WORK/ours")" -eq "$expected" ] || { echo "our $job run wrote $(count_files "$WORK/ours") of $expected files" >&2; cat "$WORK/ours.log" >&2; exit 1; }
    read -r w c m < "$WORK/t"
    best_ow=$(min_of "$best_ow" "$w"); best_oc=$(min_of "$best_oc" "$c")
    local line="round $round: ours $w s (cpu $c s)"
    timed "$WORK/t" run_convert "$job" "$(job_input "$job")" "$WORK/ref"
    [ "$(count_files "$WORK/ref")" -eq "$expected" ] || { echo "convert wrote too few files" >&2; exit 1; }
    read -r w c m < "$WORK/t"
    best_cw=$(min_of "$best_cw" "$w"); best_cc=$(min_of "$best_cc" "$c")
    echo "$job $line, convert $w s (cpu $c s)"
  done
  local summary
  summary=$(printf '%-9s %3d photos: ours %6.2f s (cpu %6.2f s)  -P %d "%s" %6.2f s (cpu %6.2f s)  ratio %s (cpu %s)' \
    "$job" "$expected" "$best_ow" "$best_oc" "$CORES" "$(convert_line "$job")" "$best_cw" "$best_cc" \
    "$(ratio "$best_ow" "$best_cw")" "$(ratio "$best_oc" "$best_cc")")
  SUMMARY[$job]=$summary
  echo "$summary"
}

for job in $JOBS; do
  bench_job "$job"
done

# Parallel efficiency: the negate job with one worker on one core against
# all workers on all cores: time on 1 / (cores x time on all). convert's
# own (one process on one core against one per core) says what the machine
# allows: memory and caches are shared by the cores.
efficiency() { echo "scale=3; $1 / ($CORES * $2)" | bc -l | sed 's/^\./0./'; }
if [ "${SKIP_EFFICIENCY:-0}" != 1 ]; then
  best_one=""
  best_all=""
  ref_one=""
  ref_all=""
  for round in $(seq 1 "$ROUNDS"); do
    rm -rf "$WORK/ref"; mkdir -p "$WORK/ref"
    timed "$WORK/t" taskset -c 0 env CORES=1 bash -c 'run_convert negate "$1" "$2"' _ "$WORK/in" "$WORK/ref"
    read -r w _ _ < "$WORK/t"
    ref_one=$(min_of "$ref_one" "$w")
    rm -rf "$WORK/ref"; mkdir -p "$WORK/ref"
    timed "$WORK/t" run_convert negate "$WORK/in" "$WORK/ref"
    read -r w _ _ < "$WORK/t"
    ref_all=$(min_of "$ref_all" "$w")
    rm -rf "$WORK/ours"; mkdir -p "$WORK/ours"
    job_script negate "$WORK/ours"
    timed "$WORK/t" taskset -c 0 "$PROGRAM" "$WORK/job.gbs" > "$WORK/ours.log" 2>&1
    read -r w _ _ < "$WORK/t"
    best_one=$(min_of "$best_one" "$w")
    rm -rf "$WORK/ours"; mkdir -p "$WORK/ours"
    timed "$WORK/t" run_ours negate "$WORK/ours"
    read -r w _ _ < "$WORK/t"
    best_all=$(min_of "$best_all" "$w")
  done
  rm -rf "$WORK/ours"
  SUMMARY[efficiency]=$(printf 'parallel efficiency (negate, %d photos): 1 core %.2f s, %d cores %.2f s, efficiency %s (convert: %.2f s, %.2f s, %s)' \
    "$COUNT" "$best_one" "$CORES" "$best_all" "$(efficiency "$best_one" "$best_all")" \
    "$ref_one" "$ref_all" "$(efficiency "$ref_one" "$ref_all")")
  echo "${SUMMARY[efficiency]}"
fi

# Peak memory depends on the number of workers, not on the number of
# photos; the highest of three runs each counts.
if [ "${SKIP_MEMORY:-0}" != 1 ]; then
  mkdir -p "$WORK/in40" "$WORK/in400"
  for i in $(seq 1 400); do
    ln "$WORK/seed$((i % 8)).jpg" "$WORK/in400/$(printf 'p%04d' "$i").jpg"
    [ "$i" -le 40 ] && ln "$WORK/seed$((i % 8)).jpg" "$WORK/in40/$(printf 'p%04d' "$i").jpg"
  done
  peak_of() {
    local best=0 kb
    for _ in 1 2 3; do
      rm -rf "$WORK/out"; mkdir -p "$WORK/out"
      write_script "$WORK/job.gbs" "$1" jpg "$WORK/out" JPG 3080
      timed "$WORK/t" "$PROGRAM" "$WORK/job.gbs" > "$WORK/ours.log" 2>&1
      read -r _ _ kb < "$WORK/t"
      [ "$kb" -gt "$best" ] && best=$kb
    done
    rm -rf "$WORK/out"
    echo "$best"
  }
  P40=$(peak_of "$WORK/in40")
  P400=$(peak_of "$WORK/in400")
  SUMMARY[memory]=$(printf 'peak memory (negate, highest of 3 runs): 40 photos %d MB, 400 photos %d MB, ratio %.3f' \
    $((P40 / 1024)) $((P400 / 1024)) "$(echo "$P400 / $P40" | bc -l)")
  echo "${SUMMARY[memory]}"
fi

echo
echo "== summary (best of $ROUNDS, sides alternating) =="
for key in $JOBS efficiency memory; do
  [ -n "${SUMMARY[$key]:-}" ] && echo "${SUMMARY[$key]}"
done
echo "load: $(uptime)"
