#!/usr/bin/env bash
# Draws the frame artwork and the sample logo into resources/bundle/:
#   Frames/ShapeFrame1-6.jpg, ShapeFrame1b-6b.jpg   shaped masks, sharp and blurred
#   Frames/GrungeFrame1-6.jpg                       grunge masks
#   Frames/PictureFrame1-4.gif                      wood, gilt, metal and oak frames
#   Frames/VintageFrame1-9.gif                      paper, album, film and mount frames
#   Sample.png                                      a small logo with transparency
# Masks are greyscale: pure white removes the photo, black keeps it, greys
# keep it partly. Frame pictures are landscape with a transparent window in
# the middle whose share of the width and height matches the placement
# factors the frame filter uses for that style (a 3:2 photo fills it).
#
# Usage: scripts/make-frames.sh [shaped] [grunge] [picture] [vintage] [sample]
# (no argument draws everything). Needs ImageMagick's convert and python3.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=resources/bundle/Frames
mkdir -p "$OUT"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
FONT_SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
FONT_SERIF=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf

calc() { python3 -c "print($*)"; }

# ---------------------------------------------------------------- masks
MW=3000
MH=2000

shaped() {
    python3 scripts/frame_shapes.py "$TMP" $MW $MH
    for i in 1 2 3 4 5 6; do
        convert -size ${MW}x${MH} xc:white -draw "$(cat "$TMP/shape$i.mvg")" \
            -colorspace Gray -write "$TMP/s.miff" \
            -quality 90 "$OUT/ShapeFrame$i.jpg"
        convert "$TMP/s.miff" -blur 0x38 -quality 90 "$OUT/ShapeFrame${i}b.jpg"
    done
}

# Horizontal streaks of random grey, MWxMH: seed, stretch along x, thickness.
streaks() {
    convert -seed "$1" -size $((MW / $2))x$((MH / $3)) xc: +noise Random \
        -channel R -separate +channel -filter Gaussian -resize ${MW}x${MH}\! -auto-level "$4"
}

# Isotropic noise blob field: seed, blob size in pixels.
blobs() {
    convert -seed "$1" -size $((MW / $2))x$((MH / $2)) xc: +noise Random \
        -channel R -separate +channel -blur 0x1 -filter Gaussian -resize ${MW}x${MH}\! -auto-level "$3"
}

# Grey ramp: black inside an inset rectangle, white outside, blurred.
ramp() { # insetx insety sigma out
    convert -size ${MW}x${MH} xc:white -fill black \
        -draw "rectangle $1,$2 $((MW - $1 - 1)),$((MH - $2 - 1))" -blur "0x$3" -colorspace Gray "$4"
}

# Brush strokes that run along each edge: horizontal near the top and the
# bottom, vertical near the sides, mitred at the corners.
edge_strokes() { # seed out
    local half=$((MH / 2))
    streaks "$1" 30 1 "$TMP/f.miff"
    streaks $(($1 + 1)) 14 6 "$TMP/m.miff"
    convert "$TMP/f.miff" "$TMP/m.miff" -compose blend -define compose:args=50 -composite -auto-level "$TMP/h.miff"
    MW0=$MW; MH0=$MH; MW=$MH0; MH=$MW0
    streaks $(($1 + 2)) 30 1 "$TMP/f.miff"
    streaks $(($1 + 3)) 14 6 "$TMP/m.miff"
    MW=$MW0; MH=$MH0
    convert "$TMP/f.miff" "$TMP/m.miff" -compose blend -define compose:args=50 -composite -auto-level -rotate 90 "$TMP/v.miff"
    convert -size ${MW}x${MH} xc:black -fill white \
        -draw "polygon 0,0 $MW,0 $((MW - half)),$half $half,$half" \
        -draw "polygon 0,$MH $MW,$MH $((MW - half)),$half $half,$half" -blur 0x20 "$TMP/mitre.miff"
    convert "$TMP/v.miff" "$TMP/h.miff" "$TMP/mitre.miff" -composite "$2"
}

# value = ramp + amp * (noise - 0.5), then squeezed into a band of greys.
grunge_mix() { # ramp noise amp lo hi out
    convert "$1" "$2" -compose Mathematics \
        -define compose:args=0,$3,1,$(calc "-$3/2") -composite -level "$4%,$5%" "$6"
}

grunge() {
    local g="$TMP/g.miff"
    # 1: dry brush strokes along the edges.
    ramp 280 250 60 "$TMP/r.miff"
    edge_strokes 101 "$TMP/n.miff"
    blobs 102 60 "$TMP/b.miff"
    convert "$TMP/n.miff" "$TMP/b.miff" -compose blend -define compose:args=30 -composite "$TMP/n2.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n2.miff" 1.2 44 56 "$g"
    convert "$g" -quality 88 "$OUT/GrungeFrame1.jpg"

    # 2: torn, ragged edge at several scales.
    ramp 260 230 45 "$TMP/r.miff"
    blobs 201 80 "$TMP/b1.miff"; blobs 202 16 "$TMP/b2.miff"; blobs 203 3 "$TMP/b3.miff"
    convert "$TMP/b1.miff" "$TMP/b2.miff" -compose blend -define compose:args=45 -composite \
        "$TMP/b3.miff" -compose blend -define compose:args=20 -composite -auto-level "$TMP/n.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n.miff" 1.1 47 53 "$g"
    convert "$g" -quality 88 "$OUT/GrungeFrame2.jpg"

    # 3: sponged edge with spatter flecks around it.
    ramp 300 270 70 "$TMP/r.miff"
    blobs 301 25 "$TMP/b1.miff"; blobs 302 4 "$TMP/b2.miff"
    convert "$TMP/b1.miff" "$TMP/b2.miff" -compose blend -define compose:args=40 -composite -auto-level "$TMP/n.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n.miff" 1.0 44 56 "$g"
    convert -seed 303 -size $((MW / 4))x$((MH / 4)) xc: +noise Random -channel R -separate +channel \
        -threshold 99.4% -negate -filter Gaussian -resize ${MW}x${MH}\! -level 35%,65% "$TMP/dots.miff"
    ramp 120 100 160 "$TMP/rw.miff"
    convert "$TMP/rw.miff" -level 0%,85% "$TMP/rw2.miff"
    convert "$TMP/dots.miff" "$TMP/rw2.miff" -compose lighten -composite "$TMP/sp.miff"
    convert "$g" "$TMP/sp.miff" -compose darken -composite -quality 88 "$OUT/GrungeFrame3.jpg"

    # 4: coarse canvas weave, strokes crossing each other.
    ramp 270 240 55 "$TMP/r.miff"
    streaks 401 20 2 "$TMP/h.miff"
    MW0=$MW; MH0=$MH; MW=$MH0; MH=$MW0
    streaks 402 20 2 "$TMP/v0.miff"
    MW=$MW0; MH=$MH0
    convert "$TMP/v0.miff" -rotate 90 "$TMP/v.miff"
    blobs 403 40 "$TMP/b.miff"
    convert "$TMP/h.miff" "$TMP/v.miff" -compose blend -define compose:args=50 -composite -auto-level \
        "$TMP/b.miff" -compose blend -define compose:args=60 -composite -auto-level "$TMP/n.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n.miff" 1.0 43 57 "$g"
    convert "$g" -quality 88 "$OUT/GrungeFrame4.jpg"

    # 5: soft smoky edge in many greys.
    ramp 330 300 130 "$TMP/r.miff"
    blobs 501 70 "$TMP/b1.miff"; blobs 502 12 "$TMP/b2.miff"
    convert "$TMP/b1.miff" "$TMP/b2.miff" -compose blend -define compose:args=55 -composite -auto-level "$TMP/n.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n.miff" 0.55 25 75 "$g"
    convert "$g" -quality 88 "$OUT/GrungeFrame5.jpg"

    # 6: heavy brush with long scratches across the edge.
    ramp 260 230 50 "$TMP/r.miff"
    edge_strokes 601 "$TMP/n.miff"
    blobs 602 30 "$TMP/b.miff"
    convert "$TMP/n.miff" "$TMP/b.miff" -compose blend -define compose:args=60 -composite "$TMP/n2.miff"
    grunge_mix "$TMP/r.miff" "$TMP/n2.miff" 1.2 45 55 "$g"
    python3 - "$TMP/scr.mvg" $MW $MH <<'PY'
import random, sys
out, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rnd = random.Random(606)
lines = ["fill none stroke-linecap round"]
for i in range(45):
    side = rnd.randrange(4)
    length = rnd.uniform(0.05, 0.25)
    width = rnd.uniform(1.5, 3.5)
    col = "gray%d" % rnd.randrange(80, 101)
    if side < 2:
        y = rnd.uniform(0.12, 0.2) * h if side == 0 else h - rnd.uniform(0.12, 0.2) * h
        x = rnd.uniform(0, 1 - length) * w
        x2, y2 = x + length * w, y + rnd.uniform(-0.01, 0.01) * h
    else:
        x = rnd.uniform(0.09, 0.14) * w if side == 2 else w - rnd.uniform(0.09, 0.14) * w
        y = rnd.uniform(0, 1 - length) * h
        x2, y2 = x + rnd.uniform(-0.01, 0.01) * w, y + length * h
    lines.append("stroke %s stroke-width %.1f line %.0f,%.0f %.0f,%.0f" % (col, width, x, y, x2, y2))
open(out, "w").write("\n".join(lines) + "\n")
PY
    convert "$g" -draw "$(cat "$TMP/scr.mvg")" -quality 88 "$OUT/GrungeFrame6.jpg"
}

for what in "${@:-shaped grunge picture vintage sample}"; do
    for w in $what; do "$w"; done
done
