# Sourced by the scripts: a Wine prefix inside the build folder, a Japanese locale (code page 932),
# and an X server when there is no display. Call wine_up first and wine_down at the end.
: "${BUILD_DIR:?}"
export WINEPREFIX="$BUILD_DIR/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEARCH=win64

XVFB_PIDS=()
STARTED_WINESERVER=0
DESKTOP_PREFIXES=()

# The prefix was booted whole by the Wine we run now.
wine_prefix_current() {
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/user.reg" ] && [ -f "$WINEPREFIX/.booted-by" ] &&
    [ "$(cat "$WINEPREFIX/.booted-by")" = "$(wine --version 2>/dev/null)" ]
}

# Starts an X server on a free display and sets NEW_DISPLAY to it. Other users of the machine pick
# display numbers too: the number is ours once the server's lock file names our server.
xvfb_start() {
  local n pid i
  NEW_DISPLAY=""
  for n in $(shuf -i 90-600 -n 60); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    pid=$!
    for i in $(seq 1 200); do
      kill -0 "$pid" 2>/dev/null || break
      [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ] && {
        XVFB_PIDS+=("$pid")
        NEW_DISPLAY=":$n"
        return 0
      }
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "no X server could be started" >&2
  return 1
}

wine_up() {
  if [ -z "${DISPLAY:-}" ] || [ "${EDITOR_OWN_X:-0}" = 1 ]; then
    xvfb_start
    export DISPLAY="$NEW_DISPLAY"
  fi
  mkdir -p "$WINEPREFIX"
  STARTED_WINESERVER=1
  # A new prefix (or one made by another Wine version) is booted whole; a current one needs no
  # boot, which takes seconds even when there is nothing to do.
  if ! wine_prefix_current; then
    wineserver -p >/dev/null 2>&1 </dev/null &
    wine wineboot -i </dev/null >/dev/null 2>&1
    wine --version >"$WINEPREFIX/.booted-by" 2>/dev/null || true
  else
    wine_server_start
  fi
  wine_map_dialog_fonts
  # An ALSA device that discards what it plays gives Wine one wave-out device.
  if [ ! -f "$BUILD_DIR/asound/.asoundrc" ]; then
    mkdir -p "$BUILD_DIR/asound"
    echo 'pcm.!default { type null }' > "$BUILD_DIR/asound/.asoundrc"
  fi
}

# The prefix's registry as saved holds the mapping. Wine keeps the value names in user.reg as
# escaped UTF-16 code points.
wine_dialog_fonts_mapped() {
  local saved
  saved=$(grep -cxF -e '"\xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af"="IPAPGothic"' \
    -e '"\xff2d\xff33 \x30b4\x30b7\x30c3\x30af"="IPAGothic"' -e '"MS UI Gothic"="IPAPGothic"' \
    "$WINEPREFIX/user.reg" 2>/dev/null) || true
  [ "${saved:-0}" -ge 3 ]
}

# Starts the Wine server of $WINEPREFIX for good. The server and Wine's services must not inherit
# our pipes (ctest would wait on them forever). The services start with the first program of the
# server: a trivial one starts them here, detached from our pipes, on our $DISPLAY.
wine_server_start() {
  wineserver -p >/dev/null 2>&1 </dev/null &
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# The dialog templates are laid out for "ＭＳ Ｐゴシック" 9 point, which Wine does not have: its own
# fallback is wider and cuts captions. The IPA fonts that setup installs are close stand-ins.
# Writes the mapping only when the prefix lacks it, so a current prefix pays one grep.
wine_map_dialog_fonts() {
  wine_dialog_fonts_mapped && return 0
  local reg="$WINEPREFIX/dialog-fonts.reg"
  # regedit reads a REGEDIT4 file in the ANSI code page, which is 932 here.
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '"MS UI Gothic"="IPAPGothic"' |
    iconv -f UTF-8 -t CP932 > "$reg"
  wine regedit /S "$reg" </dev/null >/dev/null 2>&1
  rm -f "$reg"
}

# A pool of COUNT desktops for the window tests, each an X server of its own and a Wine prefix
# with its own Wine server under DIR/dK (K = 1..COUNT; DIR/dK/wine, DIR/dK/display), and the
# resource file that tells ctest about them (DIR/resources.json). A prefix is copied from the
# one wine_up made ready, which is much quicker than booting it, and kept for the next run while
# READY_CHECK (a function that looks at $WINEPREFIX) still holds for it.
wine_desktops_up() {
  local count="$1" dir="$2" ready_check="$3" k stale=() jobs=()
  mkdir -p "$dir"
  for k in $(seq 1 "$count"); do
    WINEPREFIX="$dir/d$k/wine" "$ready_check" || stale+=("$k")
  done
  if [ "${#stale[@]}" -gt 0 ]; then
    # The Wine server keeps the registry in memory: stopping it writes the prefix out whole.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    for k in "${stale[@]}"; do
      rm -rf "$dir/d$k/wine"
      mkdir -p "$dir/d$k"
      cp -a "$WINEPREFIX" "$dir/d$k/wine" &
      jobs+=($!)
    done
    wait "${jobs[@]}"
    jobs=()
    wine_server_start
  fi
  local json='{"version":{"major":1,"minor":0},"local":[{"desktop":['
  for k in $(seq 1 "$count"); do
    xvfb_start
    echo "$NEW_DISPLAY" >"$dir/d$k/display"
    DESKTOP_PREFIXES+=("$dir/d$k/wine")
    # A server left behind by a run that was cut short would keep its services on an X server
    # that is gone.
    (export WINEPREFIX="$dir/d$k/wine" DISPLAY="$NEW_DISPLAY"
     wineserver -k >/dev/null 2>&1 || true
     wine_server_start) &
    jobs+=($!)
    json+="$([ "$k" = 1 ] || echo ,){\"id\":\"d$k\",\"slots\":1}"
  done
  # Not a bare wait: the X servers are our children too.
  wait "${jobs[@]}"
  echo "$json]}]}" >"$dir/resources.json"
}

wine_down() {
  local p
  for p in "${DESKTOP_PREFIXES[@]}"; do WINEPREFIX="$p" wineserver -k >/dev/null 2>&1 || true; done
  if [ "$STARTED_WINESERVER" = 1 ]; then wineserver -k >/dev/null 2>&1 || true; fi
  for p in "${XVFB_PIDS[@]}"; do kill "$p" >/dev/null 2>&1 || true; wait "$p" 2>/dev/null || true; done
}
