#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"

source "$ROOT/scripts/winenv.sh"
trap wine_down EXIT
wine_up
export HOME_FOR_TESTS="$BUILD_DIR/asound"
cd "$BUILD_DIR"
HOME="$BUILD_DIR/asound" ctest --output-on-failure -j"$(nproc)" "$@"
