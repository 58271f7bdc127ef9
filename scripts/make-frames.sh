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
        # The cracks of the broken glass would vanish under the full blur.
        local sigma=38
        [ $i -eq 5 ] && sigma=10
        convert "$TMP/s.miff" -blur 0x$sigma -quality 90 "$OUT/ShapeFrame${i}b.jpg"
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

# ------------------------------------------------------ frame pictures
# Frame pictures are FW wide. For placement factors L (width) and S (height)
# a 3:2 photo fills the window when the frame's aspect is 1.5 S / L.
FW=2000

# Sets FH, BX, BY (rail widths, the window overlapping the photo by a few
# pixels so that no gap shows) for the factors L S.
frame_size() {
    FH=$(calc "int(round($FW * $1 / (1.5 * $2)))")
    local ov=$((FW / 250))
    BX=$(calc "int(($FW - $1 * $FW) / 2) + $ov")
    BY=$(calc "int(($FH - $2 * $FH) / 2) + $ov")
}

# Distance maps in rail widths: ux from the sides, uy from top and bottom,
# u the smaller one (0 at the outer edge, 1 in the window), and the mitre
# mask (white where the top and bottom rails lie).
frame_maps() {
    convert -size ${FH}x${FW} gradient: -rotate -90 -write mpr:gx +delete \
        -size ${FW}x${FH} gradient: -write mpr:gy +delete \
        \( mpr:gx -evaluate multiply "$(calc "($FW - 1) / $BX")" \) \
        \( mpr:gx -negate -evaluate multiply "$(calc "($FW - 1) / $BX")" \) \
        -compose darken -composite -colorspace gray -write "$TMP/ux.miff" +delete \
        \( mpr:gy -evaluate multiply "$(calc "($FH - 1) / $BY")" \) \
        \( mpr:gy -negate -evaluate multiply "$(calc "($FH - 1) / $BY")" \) \
        -compose darken -composite -colorspace gray "$TMP/uy.miff"
    convert "$TMP/ux.miff" "$TMP/uy.miff" -compose darken -composite "$TMP/u.miff"
    convert "$TMP/ux.miff" "$TMP/uy.miff" -compose minus_src -composite -threshold 0 "$TMP/mitre.miff"
}

# A texture for the whole frame from a generator called as GEN W H SEED OUT
# that draws grain running along x: horizontal on the top and bottom rails,
# turned upright on the sides.
mitred_texture() { # gen seed out
    "$1" $FW $FH "$2" "$TMP/th.miff"
    "$1" $FH $FW $(($2 + 1)) "$TMP/tv0.miff"
    convert "$TMP/tv0.miff" -rotate 90 "$TMP/tv.miff"
    convert "$TMP/tv.miff" "$TMP/th.miff" "$TMP/mitre.miff" -composite "$3"
}

# Wood: long grain with growth-ring figure. W H seed out colours...
wood() {
    local w=$1 h=$2 seed=$3 out=$4; shift 4
    convert -seed "$seed" \
        \( -size $((w / 60))x$((h / 3)) xc: +noise Random -channel R -separate +channel \
           -blur 0x1.2 -filter Gaussian -resize ${w}x${h}\! -auto-level -function Sinusoid 5,0 \) \
        \( -size $((w / 24))x${h} xc: +noise Random -channel R -separate +channel \
           -filter Gaussian -resize ${w}x${h}\! -auto-level \) \
        -compose blend -define compose:args=35 -composite -auto-level \
        \( -size 1x256 gradient:"$1"-"$2" -rotate 90 \) -clut "$out"
}
walnut_wood() { wood "$1" "$2" "$3" "$4" '#2a170c' '#7a4c2a'; }
oak_wood() { wood "$1" "$2" "$3" "$4" '#9c7448' '#d9b586'; }

# Brushed metal: fine streaks.
brushed() {
    convert -seed "$3" \
        \( -size $(($1 / 80))x$2 xc: +noise Random -channel R -separate +channel \
           -filter Gaussian -resize ${1}x${2}\! -auto-level \) \
        \( -size $(($1 / 8))x$(($2 / 8)) xc: +noise Random -channel R -separate +channel -blur 0x2 \
           -filter Gaussian -resize ${1}x${2}\! -auto-level \) \
        -compose blend -define compose:args=25 -composite -level 0,250% \
        \( -size 1x256 gradient:'#8e9399'-'#d8dce0' -rotate 90 \) -clut "$4"
}

# Gilt: a worn gold leaf with faint mottling.
gilt_leaf() {
    convert -seed "$3" -size $(($1 / 12))x$(($2 / 12)) xc: +noise Random -channel R -separate +channel \
        -blur 0x1.5 -filter Gaussian -resize ${1}x${2}\! -auto-level -level 0,300% \
        \( -size 1x256 gradient:'#a27a2c'-'#d8b354' -rotate 90 \) -clut "$4"
}

# Flat sheet with a faint mottle (mats, liners, paper). W H seed out dark light
fibre() {
    convert -seed "$3" -size $(($1 / 10))x$(($2 / 10)) xc: +noise Random -channel R -separate +channel \
        -blur 0x1 -filter Gaussian -resize ${1}x${2}\! -auto-level \
        \( -size 1x256 gradient:"$5"-"$6" -rotate 90 \) -clut "$4"
}

# Lights the frame: height map -> shading (mid grey on flat parts) laid over
# the texture with hard light, then the tone table, then the window cut out.
# Args: profile texture1 texture2 relief out [bead period in pixels]
moulding() {
    python3 scripts/frame_profiles.py "$1" "$TMP"
    convert "$TMP/u.miff" "$TMP/height.pgm" -clut -alpha off -colorspace gray "$TMP/h.miff"
    if [ -n "${6:-}" ]; then
        # A row of round beads along each rail, in the band the profile
        # names: height sqrt(band^2 - dx^2), dx the distance from the
        # nearest bead's centre along the rail in half periods.
        local dx="pow((i % $6 - $6 / 2) / ($6 / 2), 2)"
        convert -size ${FW}x1 xc: -fx "$dx" -scale ${FW}x${FH}\! "$TMP/bh.miff"
        convert -size ${FH}x1 xc: -fx "$dx" -scale ${FH}x${FW}\! -rotate 90 "$TMP/bv.miff"
        convert \( "$TMP/u.miff" "$TMP/band.pgm" -clut -evaluate pow 2 \) \
            \( "$TMP/bv.miff" "$TMP/bh.miff" "$TMP/mitre.miff" -composite \) \
            -compose minus_src -composite -evaluate pow 0.5 -alpha off -colorspace gray "$TMP/beads.miff"
        convert "$TMP/h.miff" "$TMP/beads.miff" -compose Mathematics \
            -define compose:args=0,0.12,1,0 -composite "$TMP/h.miff"
    fi
    convert "$TMP/h.miff" -define convolve:scale="$4" -bias 50% -morphology Convolve Sobel:45 "$TMP/shade.miff"
    convert "$TMP/u.miff" "$TMP/mat.pgm" -clut "$TMP/matmask.miff"
    convert "$TMP/u.miff" "$TMP/tone.pgm" -clut "$TMP/tone.miff"
    convert "$2" "$3" "$TMP/matmask.miff" -composite \
        "$TMP/shade.miff" -compose hardlight -composite \
        "$TMP/tone.miff" -compose hardlight -composite "$TMP/lit.miff"
    convert "$TMP/lit.miff" \( "$TMP/u.miff" -threshold 99.99% -negate \) \
        -alpha off -compose copy_opacity -composite "$5"
}

# Writes a frame picture as GIF with a one-bit window.
write_gif() { # in out
    convert "$1" -channel A -threshold 50% +channel +dither -colors 255 "$2"
}

picture() {
    # 1: dark walnut moulding on a cream mat with a bevelled cut.
    frame_size 0.72 0.62; frame_maps
    mitred_texture walnut_wood 11 "$TMP/t1.miff"
    fibre $FW $FH 12 "$TMP/t2.miff" '#e6dcc6' '#f2eadb'
    moulding walnut "$TMP/t1.miff" "$TMP/t2.miff" 3 "$TMP/f.miff"
    write_gif "$TMP/f.miff" "$OUT/PictureFrame1.gif"

    # 2: carved gilt frame with a bead row and a linen slip.
    frame_size 0.76 0.63; frame_maps
    mitred_texture gilt_leaf 21 "$TMP/t1.miff"
    fibre $FW $FH 22 "$TMP/t2.miff" '#d9cfb8' '#e9e1cd'
    moulding gilt "$TMP/t1.miff" "$TMP/t2.miff" 3 "$TMP/f.miff" 22
    write_gif "$TMP/f.miff" "$OUT/PictureFrame2.gif"

    # 3: slim brushed aluminium.
    frame_size 0.94 0.91; frame_maps
    mitred_texture brushed 31 "$TMP/t1.miff"
    moulding metal "$TMP/t1.miff" "$TMP/t1.miff" 2 "$TMP/f.miff"
    write_gif "$TMP/f.miff" "$OUT/PictureFrame3.gif"

    # 4: light oak with a dark inner lip.
    frame_size 0.86 0.82; frame_maps
    mitred_texture oak_wood 41 "$TMP/t1.miff"
    fibre $FW $FH 42 "$TMP/t2.miff" '#1c140e' '#2e241c'
    moulding oak "$TMP/t1.miff" "$TMP/t2.miff" 2.5 "$TMP/f.miff"
    write_gif "$TMP/f.miff" "$OUT/PictureFrame4.gif"
}

# Multiplies the alpha of a frame picture by a mask (white keeps).
cut_alpha() { # in mask out
    convert "$1" \( +clone -alpha extract "$2" -compose multiply -composite \) \
        -alpha off -compose copy_opacity -composite "$3"
}

# Outer edge mask: ragged (noise) or scalloped, from the distance map u.
# Args: threshold(0..1 of a rail) noise-amplitude noise-blob-size scallop-period out
#       [fine-blob-size: adds fibrous detail to the edge]
outer_edge() {
    local t=$1 amp=$2 blob=$3 period=$4 out=$5 fine=${6:-0}
    convert -seed 77 -size $((FW / blob))x$((FH / blob)) xc: +noise Random -channel R -separate +channel \
        -blur 0x1 -filter Gaussian -resize ${FW}x${FH}\! -auto-level "$TMP/en.miff"
    if [ "$fine" -gt 0 ]; then
        convert -seed 78 -size $((FW / fine))x$((FH / fine)) xc: +noise Random -channel R -separate +channel \
            -filter Gaussian -resize ${FW}x${FH}\! -auto-level "$TMP/ef.miff"
        convert "$TMP/en.miff" "$TMP/ef.miff" -compose blend -define compose:args=30 -composite \
            -auto-level "$TMP/en.miff"
    fi
    if [ "$period" -gt 0 ]; then
        convert -size ${FW}x1 xc: -fx "pow(abs(sin(pi*i/$period)),0.4)" -scale ${FW}x${FH}\! "$TMP/sh.miff"
        convert -size ${FH}x1 xc: -fx "pow(abs(sin(pi*i/$period)),0.4)" -scale ${FH}x${FW}\! -rotate 90 "$TMP/sv.miff"
        convert "$TMP/sv.miff" "$TMP/sh.miff" "$TMP/mitre.miff" -composite "$TMP/en.miff"
    fi
    # keep where u - amp * (noise - 0.5) > t
    convert "$TMP/u.miff" "$TMP/en.miff" -compose Mathematics \
        -define compose:args=0,-$amp,1,$(calc "$amp/2") -composite \
        -threshold "$(calc "$t*100")%" -blur 0x0.7 "$out"
}

# Paper with fibres and foxing. W H seed out dark light
old_paper() {
    convert -seed "$3" \
        \( -size $(($1 / 40))x$(($2 / 40)) xc: +noise Random -channel R -separate +channel -blur 0x1 \
           -filter Gaussian -resize ${1}x${2}\! -auto-level \) \
        \( -size $(($1 / 8))x$(($2 / 8)) xc: +noise Random -channel R -separate +channel \
           -filter Gaussian -resize ${1}x${2}\! -auto-level \) \
        -compose blend -define compose:args=18 -composite -auto-level -level 10%,100% \
        \( -size 1x256 gradient:"$5"-"$6" -rotate 90 \) -clut "$4"
}
aged_ivory() { old_paper "$1" "$2" "$3" "$4" '#c9b68f' '#f1e8d2'; }

# Film strip: sprocket holes (a mask, white keeps) and edge markings.
# Args: holes-per-window hole-width hole-height (shares of the pitch) corner-radius out
film_holes() {
    local per=$1 hw=$2 hh=$3 r=$4 out=$5
    python3 - "$TMP/holes.mvg" $FW $FH $BX $BY $per $hw $hh $r <<'PY'
import sys
out, w, h, bx, by, per, hw, hh, r = sys.argv[1:]
w, h, bx, by, per = int(w), int(h), int(bx), int(by), float(per)
hw, hh, r = float(hw), float(hh), float(r)
pitch = (w - 2 * bx) / per
band = by
lines = ["fill black stroke none"]
x = (w / 2) % pitch - pitch
while x < w + pitch:
    for cy in (band * 0.5, h - band * 0.5):
        x0, y0 = x - pitch * hw / 2, cy - pitch * hh / 2
        lines.append("roundrectangle %.1f,%.1f %.1f,%.1f %.1f,%.1f"
                     % (x0, y0, x0 + pitch * hw, y0 + pitch * hh, r, r))
    x += pitch
open(out, "w").write("\n".join(lines) + "\n")
PY
    convert -size ${FW}x${FH} xc:white -draw "$(cat "$TMP/holes.mvg")" "$out"
}

vintage() {
    # 1: aged print with a deckled edge.
    frame_size 0.88 0.80; frame_maps
    aged_ivory $FW $FH 111 "$TMP/t1.miff"
    moulding paper "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    outer_edge 0.1 0.12 25 0 "$TMP/edge.miff"
    cut_alpha "$TMP/f.miff" "$TMP/edge.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame1.gif"

    # 2: black album page with paper photo corners.
    frame_size 0.72 0.66; frame_maps
    fibre $FW $FH 121 "$TMP/t1.miff" '#181716' '#262422'
    moulding paper "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    python3 - "$TMP/corners.mvg" $FW $FH $BX $BY <<'PY'
import sys
out, w, h, bx, by = sys.argv[1], *map(int, sys.argv[2:])
leg, e = w * 0.075, w * 0.012
lines = []
for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
    cx = bx - e if sx > 0 else w - bx + e
    cy = by - e if sy > 0 else h - by + e
    a, b, c = (cx, cy), (cx + sx * leg, cy), (cx, cy + sy * leg)
    lines.append("fill '#34302c' stroke '#5c5650' stroke-width 3 polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f" % (a + b + c))
    # the pocket's folded edge catches the light
    lines.append("stroke '#a8a096' stroke-width 3 line %.1f,%.1f %.1f,%.1f" % (b[0] - sx * 6, b[1] + sy * 6, c[0] + sx * 6, c[1] - sy * 6))
open(out, "w").write("\n".join(lines) + "\n")
PY
    convert "$TMP/f.miff" -draw "$(cat "$TMP/corners.mvg")" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame2.gif"

    # 3: stained postcard with a printed double rule and worn edges.
    frame_size 0.73 0.71; frame_maps
    old_paper $FW $FH 131 "$TMP/t1.miff" '#a98d5f' '#e8dcc0'
    moulding postcard "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    outer_edge 0.03 0.05 40 0 "$TMP/edge.miff"
    cut_alpha "$TMP/f.miff" "$TMP/edge.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame3.gif"

    # 4: black-and-white 35 mm film strip.
    frame_size 0.86 0.62; frame_maps
    old_paper $FW $FH 141 "$TMP/t1.miff" '#0c0c0c' '#1e1e1e'
    moulding flat "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    film_holes 7.6 0.42 0.59 10 "$TMP/holes.miff"
    local ps=$((BY / 7)) y1=$((BY * 90 / 100)) y2=$((FH - BY * 10 / 100))
    convert "$TMP/f.miff" -font "$FONT_SANS" -pointsize $ps -fill '#c9a25a' \
        -annotate +$((BX + FW / 30))+$((BY - ps / 3)) "14" \
        -annotate +$((FW / 2 + FW / 40))+$((BY - ps / 3)) "14A" \
        -draw "polygon $((FW / 2)),$((BY - ps / 3 - ps / 2)) $((FW / 2)),$((BY - ps / 3 - ps)) $((FW / 2 + ps / 2)),$((BY - ps / 3 - 3 * ps / 4))" \
        -pointsize $((ps * 8 / 10)) -annotate +$((FW - BX - FW / 6))+$((FH - BY + ps + ps / 3)) "SAFETY FILM" \
        "$TMP/f1.miff"
    cut_alpha "$TMP/f1.miff" "$TMP/holes.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame4.gif"

    # 5: snapshot with a scalloped white border.
    frame_size 0.92 0.89; frame_maps
    old_paper $FW $FH 151 "$TMP/t1.miff" '#ddd3bd' '#f8f3e6'
    moulding paper "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    outer_edge 0.28 0.3 1 $((FW / 70)) "$TMP/edge.miff"
    cut_alpha "$TMP/f.miff" "$TMP/edge.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame5.gif"

    # 6: cabinet card: dark board, embossed line, gilt bevel round the picture.
    frame_size 0.67 0.62; frame_maps
    old_paper $FW $FH 161 "$TMP/t1.miff" '#2e2418' '#4d3d2a'
    gilt_leaf $FW $FH 162 "$TMP/t2.miff"
    moulding cabinet "$TMP/t1.miff" "$TMP/t2.miff" 3 "$TMP/f.miff"
    convert -size ${FW}x${FH} xc:black -fill white \
        -draw "roundrectangle 0,0 $((FW - 1)),$((FH - 1)) $((FW / 40)),$((FW / 40))" "$TMP/edge.miff"
    cut_alpha "$TMP/f.miff" "$TMP/edge.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame6.gif"

    # 7: slide mount with rounded corners.
    frame_size 0.76 0.59; frame_maps
    fibre $FW $FH 171 "$TMP/t1.miff" '#d4d2cc' '#e4e2dc'
    moulding slide "$TMP/t1.miff" "$TMP/t1.miff" 2.5 "$TMP/f.miff"
    local r=$((FW / 18)) wr=$((FW / 60))
    convert -size ${FW}x${FH} xc:black -fill white \
        -draw "roundrectangle 0,0 $((FW - 1)),$((FH - 1)) $r,$r" \
        -fill black -draw "roundrectangle $BX,$BY $((FW - BX - 1)),$((FH - BY - 1)) $wr,$wr" \
        -fill white -draw "rectangle $((BX + wr)),$((BY + wr)) $((FW - BX - 1 - wr)),$((FH - BY - 1 - wr))" \
        "$TMP/edge.miff"
    convert "$TMP/f.miff" -font "$FONT_SANS" -pointsize $((BY / 6)) -fill '#6b6a66' \
        -annotate +$((BX))+$((BY / 2)) "24" -fill '#b03a2e' \
        -draw "circle $((FW - BX - BY / 8)),$((FH - BY / 2)) $((FW - BX)),$((FH - BY / 2))" "$TMP/f1.miff"
    cut_alpha "$TMP/f1.miff" "$TMP/edge.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame7.gif"

    # 8: torn white paper on kraft board.
    frame_size 0.86 0.71; frame_maps
    old_paper $FW $FH 181 "$TMP/t1.miff" '#8a6238' '#b88a57'
    moulding paper "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/kraft.miff"
    outer_edge 0.45 0.5 25 0 "$TMP/torn.miff" 2
    old_paper $FW $FH 182 "$TMP/t2.miff" '#e9e4da' '#fbf9f4'
    convert "$TMP/torn.miff" -blur 0x6 -negate -level 0,250% -negate "$TMP/tornshadow.miff"
    convert "$TMP/kraft.miff" -alpha off \( "$TMP/tornshadow.miff" -level 0%,100%,1 \) \
        -compose multiply -composite "$TMP/t2.miff" "$TMP/torn.miff" -compose over -composite \
        \( "$TMP/u.miff" -threshold 99.99% -negate \) -alpha off -compose copy_opacity -composite "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame8.gif"

    # 9: colour negative cine film with large perforations.
    frame_size 0.85 0.63; frame_maps
    fibre $FW $FH 191 "$TMP/t1.miff" '#9a5220' '#b8682e'
    moulding flat "$TMP/t1.miff" "$TMP/t1.miff" 1 "$TMP/f.miff"
    film_holes 4 0.3 0.38 12 "$TMP/holes.miff"
    local ps9=$((BY / 8))
    convert "$TMP/f.miff" -font "$FONT_SANS" -pointsize $ps9 -fill '#5a2a0c' \
        -annotate +$((BX + FW / 12))+$((BY - BY / 20)) "27  >" \
        -annotate +$((FW / 2 + FW / 8))+$((FH - BY + ps9 + BY / 20)) "28" "$TMP/f1.miff"
    cut_alpha "$TMP/f1.miff" "$TMP/holes.miff" "$TMP/f2.miff"
    write_gif "$TMP/f2.miff" "$OUT/VintageFrame9.gif"
}

# ---------------------------------------------------------- sample logo
# A four-pointed sparkle in a ring, gold on transparency, with a soft shadow.
sample() {
    local n=512 c=256
    python3 - "$TMP/spark.mvg" $n <<'PY'
import math, sys
out, n = sys.argv[1], int(sys.argv[2])
c = n / 2
def star(cx, cy, r, inner, rot=0):
    pts = []
    for i in range(8):
        a = math.radians(rot - 90 + i * 45)
        rr = r if i % 2 == 0 else inner
        pts.append("%.1f,%.1f" % (cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return "polygon " + " ".join(pts)
lines = ["fill white stroke none", star(c, c, n * 0.34, n * 0.075),
         star(c + n * 0.2, c - n * 0.2, n * 0.085, n * 0.022),
         star(c - n * 0.19, c + n * 0.21, n * 0.06, n * 0.016),
         "fill none stroke white stroke-width %.1f" % (n * 0.035),
         "circle %.1f,%.1f %.1f,%.1f" % (c, c, c, c - n * 0.43)]
open(out, "w").write("\n".join(lines) + "\n")
PY
    convert -size ${n}x${n} xc:black -draw "$(cat "$TMP/spark.mvg")" -blur 0x0.6 "$TMP/shape.miff"
    convert -size ${n}x${n} radial-gradient:'#fff2b0'-'#d08a1c' "$TMP/gold.miff"
    convert "$TMP/gold.miff" "$TMP/shape.miff" -alpha off -compose copy_opacity -composite "$TMP/logo.miff"
    convert "$TMP/logo.miff" \( +clone -background '#3a2400' -shadow 60x6+5+5 \) +swap \
        -background none -layers merge +repage -gravity center -extent ${n}x${n} \
        -depth 8 -define png:color-type=6 -strip resources/bundle/Sample.png
}

for what in "${@:-shaped grunge picture vintage sample}"; do
    for w in $what; do "$w"; done
done
