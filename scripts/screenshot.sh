#!/usr/bin/env bash
# Starts the built program on a virtual X display with a fresh settings store
# and saves a screenshot of the screen: scripts/screenshot.sh [OUT.png] [FILE]
# (GLIMMERBOX_SCREEN sets the virtual screen, e.g. 2600x1600x24 with
# QT_SCALE_FACTOR=2 for a high-density look; GLIMMERBOX_LANGUAGE=De, Fr, Es, It
# or Ja starts it in that language).
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="$(realpath -m "${1:-screenshot.png}")"
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
BIN="$(realpath "$BUILD_DIR/bin/glimmerbox")"
SANDBOX="$(mktemp -d)"
trap 'rm -rf "$SANDBOX"' EXIT
mkdir -p "$SANDBOX/home/Pictures" "$SANDBOX/home/Documents" "$SANDBOX/runtime"
chmod 700 "$SANDBOX/runtime"
# First start without the wizard, so the window itself shows.
mkdir -p "$SANDBOX/home/.config/Tarn&Willow"
case "${GLIMMERBOX_LANGUAGE:-En}" in
  En) LANGUAGE_ID=1033 ;; De) LANGUAGE_ID=1031 ;; Fr) LANGUAGE_ID=1036 ;;
  Es) LANGUAGE_ID=1034 ;; It) LANGUAGE_ID=1040 ;; Ja) LANGUAGE_ID=1041 ;;
  *) echo "unknown language ${GLIMMERBOX_LANGUAGE} (En, De, Fr, Es, It or Ja)" >&2; exit 2 ;;
esac
printf '[Settings]\nSettings.ShowStartupWizard=0\nSettings.LanguageId=%s\n' "$LANGUAGE_ID" \
  >"$SANDBOX/home/.config/Tarn&Willow/Glimmerbox.conf"
shift || true
HOME="$SANDBOX/home" XDG_CONFIG_HOME="$SANDBOX/home/.config" XDG_RUNTIME_DIR="$SANDBOX/runtime" \
  xvfb-run -a -s "-screen 0 ${GLIMMERBOX_SCREEN:-1280x800x24}" bash -c '
    "$0" "$@" 2>/dev/null &
    app=$!
    sleep 4
    import -window root "'"$OUT"'"
    kill "$app"
    wait "$app" 2>/dev/null || true
  ' "$BIN" "$@"
echo "$OUT"
