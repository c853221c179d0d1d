#!/usr/bin/env bash
# Runs a test program under Wine for ctest.
#
# Window tests run on the desktop ctest gave them: scripts/test.sh starts a pool of desktops, each
# an X server and a Wine prefix with its own Wine server, and hands them to the tests through
# ctest's resource groups (CTEST_RESOURCE_GROUP_0_DESKTOP reads "id:d3,slots:1"). A test alone on
# its desktop has its windows activated, its keys injected and its named objects (the editor's
# single-instance guard) seen by nobody else, and the programs it starts (the editor, the driver)
# inherit the same X server and prefix. Without a resource group (the listing of the tests, the
# tests that need no window, or ctest run without the pool) the program runs on the caller's X
# server and prefix.
#
# The program's output goes through files, and the test ends when the program does. Wine starts
# some of its own processes on demand (the desktop process with the first window of a prefix),
# and such a process keeps the standard handles of the program that started it for as long as it
# lives: had they been ctest's pipes, ctest would wait for that process, not for the test, and
# time the test out long after it passed.
# Usage: run-test.sh DESKTOPS_DIR PROGRAM [ARGS...]
set -uo pipefail
desktops="$1"
shift
if [ -n "${CTEST_RESOURCE_GROUP_0_DESKTOP:-}" ]; then
  id="${CTEST_RESOURCE_GROUP_0_DESKTOP#id:}"
  id="${id%%,*}"
  export WINEPREFIX="$desktops/$id/wine"
  DISPLAY="$(cat "$desktops/$id/display")"
  export DISPLAY
fi
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null &
pid=$!
# ctest stops a test that runs out of time: the program goes with it.
trap 'kill "$pid" 2>/dev/null; exit 143' TERM INT
wait "$pid"
rc=$?
cat "$out"
cat "$err" >&2
exit "$rc"
