#!/usr/bin/env bash
# Configures and builds everything into the build folder (default: build/).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
# The ogg decoder library the stand-in ogg player links (built once, then a quick check).
bash "$ROOT/scripts/ogg-vorbis.sh"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi

# A whole build that worked leaves a stamp made when it began. When nothing in the tree (no file,
# and no folder, whose time changes as a file is added, removed or renamed in it) nor the ogg
# library is newer, the build has nothing to do and is not asked: make takes seconds to find that
# out on its own.
STAMP="$BUILD_DIR/.built"
up_to_date() {
  [ $# = 0 ] && [ -f "$STAMP" ] && [ -f "$BUILD_DIR/Editor.exe" ] || return 1
  [ "$ROOT/.deps/ogg-vorbis/.built" -nt "$STAMP" ] && return 1
  local newer
  newer=$(find "$ROOT" \( -path "$ROOT/.git" -o -path "$ROOT/.deps" -o -path "$ROOT/build*" \
            -o -path "$BUILD_DIR" \) -prune -o -newer "$STAMP" -print -quit)
  [ -z "$newer" ]
}
up_to_date "$@" && exit 0

NEXT_STAMP="$BUILD_DIR/.building"
touch "$NEXT_STAMP"
# Progress lines are dropped; the build's own exit status decides (pipefail).
cmake --build "$BUILD_DIR" -j"${JOBS:-$(nproc)}" -- --no-print-directory "$@" 2>&1 \
  | { grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built target)' || true; }
if [ $# = 0 ]; then mv -f "$NEXT_STAMP" "$STAMP"; else rm -f "$NEXT_STAMP"; fi
