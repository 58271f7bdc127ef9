#!/usr/bin/env bash
# Installs what is missing, builds, and starts Glimmerbox.
#   ./run.sh                 open the main window
#   ./run.sh FILE.gbf        open the window with a profile loaded
#   ./run.sh FILE.gbs        run the script's batch without a display and
#                            print where the results went
# The exit status of a script run: 0 the job ran, 1 the script could not be
# loaded, 2 some photos failed, 3 the job could not start.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
bash "$ROOT/scripts/install-deps.sh"
bash "$ROOT/scripts/build.sh" >/dev/null
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac
BIN="$BUILD_DIR/bin/glimmerbox"

# The program writes its trace on standard error; a script run keeps it in a
# file and shows only the program's own messages.
TRACE="${TMPDIR:-/tmp}/glimmerbox-run-$$.log"
if [ $# -ge 1 ]; then
  # The path stays as given: the program resolves it against this folder.
  # The extension counts in any case, as it does for the program.
  case "${1,,}" in
    *.gbs)
      set +e
      QT_QPA_PLATFORM=offscreen "$BIN" "$1" 2>"$TRACE"
      status=$?
      set -e
      grep '^glimmerbox: ' "$TRACE" >&2 || true
      echo "(trace: $TRACE)" >&2
      exit "$status"
      ;;
  esac
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start a desktop session, or try: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$BIN" "$@"
