#!/usr/bin/env bash
# Installs what is missing, builds, prepares the sample project and starts the editor in it.
#   scripts/start.sh [project folder]     (default: build/sample)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
PROJECT="${1:-$BUILD_DIR/sample}"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/build.sh"

source "$ROOT/scripts/winenv.sh"
trap wine_down EXIT
wine_up
mkdir -p "$PROJECT"
PROJECT="$(cd "$PROJECT" && pwd)"
if [ ! -d "$PROJECT/default" ]; then
  echo "Writing the sample project into $PROJECT"
  (cd "$PROJECT" && wine "$BUILD_DIR/tools/sample/MakeSample.exe" </dev/null)
  # A ready project: its data starts as the factory copy (the editor would offer the same copy).
  [ -d "$PROJECT/data" ] || cp -r "$PROJECT/default" "$PROJECT/data"
fi
cp -f "$BUILD_DIR/Editor.exe" "$PROJECT/"
for f in "$BUILD_DIR"/tools/*/*.dll "$BUILD_DIR"/tools/game/*.exe; do
  [ -f "$f" ] && cp -f "$f" "$PROJECT/"
done
echo "Starting the editor in $PROJECT (display $DISPLAY)"
cd "$PROJECT"
HOME="$BUILD_DIR/asound" wine ./Editor.exe </dev/null
