#!/usr/bin/env bash
# Renders the interface images (toolbar icons, icon strips, banners, the
# application icon) from their SVG sources in resources/images/src/ into the
# PNG files under resources/images/, and lists them in resources/interface.qrc,
# which the build compiles in. The application icon is also rendered for the
# desktop into resources/desktop/icons/, which the install step puts in the
# icon theme.
# Every image is written at its normal size and as an "@2x" twin at twice the
# size. Themed images are rendered twice from one source: "-Light" (dark ink,
# for light backgrounds) as drawn, and "-Dark" (light ink, for dark
# backgrounds) with the source's ink colour swapped.
# Needs rsvg-convert (librsvg2-bin) and, for the window icon, ImageMagick's
# convert. Run it after editing a source and commit the PNG files.
set -euo pipefail
cd "$(dirname "$0")/.."
SRC=resources/images/src
OUT=resources/images
RSVG=$(command -v rsvg-convert) || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=$(command -v convert)
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# Ink of the themed sources as drawn (light theme) and its dark-theme swap.
LIGHT_INK='#3B4554'
DARK_INK='#D9DEE5'

render() { # source.svg output-base width height
    local src=$1 out=$2 w=$3 h=$4
    "$RSVG" -w "$w" -h "$h" -o "$OUT/$out.png" "$src"
    "$RSVG" -w $((w * 2)) -h $((h * 2)) -o "$OUT/$out@2x.png" "$src"
}

plain() { # source-name output-name width height
    render "$SRC/$1.svg" "$2" "$3" "$4"
}

themed() { # source-name output-name width height
    local src="$SRC/$1.svg"
    grep -q "color=\"$LIGHT_INK\"" "$src" || { echo "$src does not use the ink $LIGHT_INK" >&2; exit 1; }
    render "$src" "$2-Light" "$3" "$4"
    sed "s/color=\"$LIGHT_INK\"/color=\"$DARK_INK\"/g" "$src" > "$TMP/$1-Dark.svg"
    render "$TMP/$1-Dark.svg" "$2-Dark" "$3" "$4"
}

# Icon strips. Filter strips: 18 columns x 6 rows; formats: 10 cells.
plain Icons-Filters Icons-Filters-32 576 192
plain Icons-Filters Icons-Filters-48 864 288
plain Icons-Filters Icons-Filters-64 1152 384
plain Icons-Formats Icons-Formats-32 320 32
plain Icons-Formats Icons-Formats-64 640 64
plain Icons-WizardSteps Icons-WizardSteps 160 32
plain Icons-Output Icons-Output 96 32
plain Icons-Frames Icons-Frames 288 128
plain Icons-Social Icons-Social 240 48
themed Icons-Minimal Icons-Minimal 80 32

# Single images.
plain Preview-Placeholder Preview-Placeholder 240 180
plain Cursor-Rotate Cursor-Rotate 16 16
plain Overlay-Symbol Overlay-Symbol 32 32
themed Overlay-Symbol Overlay-Symbol 32 32
plain Add Add 64 64
themed Add Add 64 64
plain Settings Settings 64 64
plain AppIcon AppIcon-128 128 128
plain DialogTip-Banner DialogTip-Banner 400 64
plain WizardStart-Wizard WizardStart-Wizard 164 314
plain Mail Mail 64 64

# Window icon: one icon file holding the application icon at the usual sizes.
for s in 16 24 32 48 64 128; do
    "$RSVG" -w $s -h $s -o "$TMP/icon-$s.png" "$SRC/AppIcon.svg"
done
"$CONVERT" "$TMP"/icon-{16,24,32,48,64,128}.png "$OUT/Glimmerbox.ico"

# Desktop icons: the application icon at the sizes menus and software
# centres look for (the SVG source is installed as the scalable one).
DESKTOP_ICONS=resources/desktop/icons
mkdir -p "$DESKTOP_ICONS"
for s in 48 128 256; do
    "$RSVG" -w $s -h $s -o "$DESKTOP_ICONS/AppIcon-$s.png" "$SRC/AppIcon.svg"
done

# Smaller files: drop text chunks and timestamps so reruns give the same bytes.
for f in "$OUT"/*.png "$DESKTOP_ICONS"/*.png; do
    "$CONVERT" "$f" -strip -define png:exclude-chunks=date,time "$f.tmp.png" && mv "$f.tmp.png" "$f"
done
# The resource list: every file under its plain name at the root (":/Add.png").
{
    echo '<!DOCTYPE RCC>'
    echo '<!-- Written by scripts/render-interface-images.sh -->'
    echo '<RCC version="1.0">'
    echo '  <qresource prefix="/">'
    for f in $(cd "$OUT" && ls *.png *.ico | LC_ALL=C sort); do
        echo "    <file alias=\"$f\">images/$f</file>"
    done
    echo '  </qresource>'
    echo '</RCC>'
} > resources/interface.qrc
echo "Rendered $(ls "$OUT"/*.png | wc -l) PNG files and Glimmerbox.ico into $OUT, and the desktop icons into $DESKTOP_ICONS"
