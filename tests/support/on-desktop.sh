#!/usr/bin/env bash
# Runs a window test under Wine on the desktop ctest gave it: scripts/test.sh starts a pool of
# desktops, each an X server and a Wine prefix with its own Wine server, and hands them to the
# tests through ctest's resource groups (CTEST_RESOURCE_GROUP_0_DESKTOP reads "id:d3,slots:1").
# A test alone on its desktop has its windows activated, its keys injected and its named objects
# (the editor's single-instance guard) seen by nobody else, and the programs it starts (the
# editor, the driver) inherit the same X server and prefix.
# Usage: on-desktop.sh DESKTOPS_DIR PROGRAM [ARGS...]. Without a resource group (the listing of
# the tests, or ctest run without the pool) the program runs on the caller's X server and prefix.
set -euo pipefail
desktops="$1"
shift
if [ -n "${CTEST_RESOURCE_GROUP_0_DESKTOP:-}" ]; then
  id="${CTEST_RESOURCE_GROUP_0_DESKTOP#id:}"
  id="${id%%,*}"
  export WINEPREFIX="$desktops/$id/wine"
  DISPLAY="$(cat "$desktops/$id/display")"
  export DISPLAY
fi
exec wine "$@"
