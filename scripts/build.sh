#!/usr/bin/env bash
# Configures and builds into ./build (or $GLIMMERBOX_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
# With Ninja, Qt's moc step does not notice headers that a new glob brought
# in: when a target's moc settings are newer than its last moc run, run it again.
find "$BUILD_DIR" -path '*CMakeFiles/*_autogen.dir/AutogenInfo.json' 2>/dev/null | while read -r info; do
  target=$(basename "$(dirname "$info")" .dir)
  stamp="$(dirname "$(dirname "$(dirname "$info")")")/$target/timestamp"
  if [ -f "$stamp" ] && [ "$info" -nt "$stamp" ]; then rm -f "$stamp"; fi
done
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
