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
# Without a window manager Wine waits two seconds whenever it hides a managed top-level window;
# the test prefix keeps its windows unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
export HOME_FOR_TESTS="$BUILD_DIR/asound"
cd "$BUILD_DIR"
# A Wine process that fails to start under load (no output, no time) is run once more; a test
# that fails twice fails the run.
HOME="$BUILD_DIR/asound" ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2 "$@"
