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
windows_unmanaged() { grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; }
windows_unmanaged ||
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
JOBS="${JOBS:-$(nproc)}"
# Window tests each take a desktop of the pool, one per test job (tests/support/run-test.sh);
# the other tests run on the X server and prefix above. A desktop's prefix is a copy of this one.
test_prefix_ready() { wine_prefix_current && wine_dialog_fonts_mapped && windows_unmanaged; }
wine_desktops_up "$JOBS" "$BUILD_DIR/desktops" test_prefix_ready
export HOME_FOR_TESTS="$BUILD_DIR/asound"
cd "$BUILD_DIR"
# A Wine process that fails to start under load (no output, no time) is run once more; a test
# that fails twice fails the run. Tests that needed the second try are named at the end, so that
# a test that fails now and then does not go unseen.
LOG="$BUILD_DIR/ctest-output.log"
set +e
HOME="$BUILD_DIR/asound" ctest --output-on-failure -j"$JOBS" --resource-spec-file "$BUILD_DIR/desktops/resources.json" \
  --repeat until-pass:2 "$@" 2>&1 | tee "$LOG"
rc=${PIPESTATUS[0]}
set -e
RETRIED=$(sed -nE 's/.*Test +#[0-9]+: ([^ ]+) \.* *(\*\*\*)?([A-Z][A-Za-z ]*[a-z]).*/\1 \3/p' "$LOG" |
  awk '$2 == "Passed" { passed[$1] = 1; next } { failed[$1] = 1 }
       END { for (n in passed) if (n in failed) print n }' | sort)
if [ -n "$RETRIED" ]; then
  echo
  echo "Passed only on their second try:"
  echo "$RETRIED" | sed 's/^/  /'
else
  echo "No test needed a second try."
fi
exit "$rc"
