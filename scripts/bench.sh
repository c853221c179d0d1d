#!/bin/bash
# Builds and runs the benchmarks under Wine, each in a scratch folder of its own:
#   bash scripts/bench.sh            every benchmark
#   bash scripts/bench.sh stagefile  one of them (stagefile, editing, startup, lists, keyrepeat)
#   BUSY=1 bash scripts/bench.sh     the same with four cores kept busy beside them (bench/busy)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/build.sh"
source "$ROOT/scripts/winenv.sh"
BUSY_PID=
stop_busy() { if [ -n "$BUSY_PID" ]; then kill "$BUSY_PID" 2>/dev/null || true; wait "$BUSY_PID" 2>/dev/null || true; fi; }
trap 'stop_busy; wine_down' EXIT
wine_up
if [ "${BUSY:-0}" = 1 ]; then
  wine "$BUILD_DIR/bench/busy/BusyCores.exe" 3600 &
  BUSY_PID=$!
  sleep 2
fi
declare -A EXE=([stagefile]=StageFileBench [editing]=EditingBench [startup]=StartUpBench [lists]=ListsBench
          [keyrepeat]=KeyRepeatBench)
NAMES=("${@:-stagefile editing startup lists keyrepeat}")
for name in ${NAMES[@]}; do
  exe="${EXE[$name]:-}"
  if [ -z "$exe" ]; then echo "no benchmark named $name" >&2; exit 2; fi
  dir="$(mktemp -d)"
  echo "== $exe"
  (cd "$dir" && wine "$BUILD_DIR/bench/$name/$exe.exe")
  rm -rf "$dir"
done
