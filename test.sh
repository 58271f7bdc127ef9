#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR="${GLIMMERBOX_BUILD_DIR:-build}"
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)" "$@"
