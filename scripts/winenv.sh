# Sourced by the scripts: a Wine prefix inside the build folder, a Japanese locale (code page 932),
# and an X server when there is no display. Call wine_up first and wine_down at the end.
: "${BUILD_DIR:?}"
export WINEPREFIX="$BUILD_DIR/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEARCH=win64

XVFB_PID=""
STARTED_WINESERVER=0

# The prefix was booted whole by the Wine we run now.
wine_prefix_current() {
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/user.reg" ] && [ -f "$WINEPREFIX/.booted-by" ] &&
    [ "$(cat "$WINEPREFIX/.booted-by")" = "$(wine --version 2>/dev/null)" ]
}

wine_up() {
  if [ -z "${DISPLAY:-}" ] || [ "${EDITOR_OWN_X:-0}" = 1 ]; then
    local n
    for n in $(shuf -i 90-600 -n 60); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
      XVFB_PID=$!
      export DISPLAY=":$n"
      break
    done
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
      sleep 0.05
    done
  fi
  mkdir -p "$WINEPREFIX"
  # The server and Wine's services must not inherit our pipes (ctest would wait on them forever).
  wineserver -p >/dev/null 2>&1 </dev/null &
  STARTED_WINESERVER=1
  # A new prefix (or one made by another Wine version) is booted whole; a current one needs no
  # boot, which takes seconds even when there is nothing to do. Wine's services start with the
  # first program of the server: a trivial one starts them here, detached from our pipes.
  if ! wine_prefix_current; then
    wine wineboot -i </dev/null >/dev/null 2>&1
    wine --version >"$WINEPREFIX/.booted-by" 2>/dev/null || true
  else
    wine cmd /c exit </dev/null >/dev/null 2>&1
  fi
  wine_map_dialog_fonts
  # An ALSA device that discards what it plays gives Wine one wave-out device.
  if [ ! -f "$BUILD_DIR/asound/.asoundrc" ]; then
    mkdir -p "$BUILD_DIR/asound"
    echo 'pcm.!default { type null }' > "$BUILD_DIR/asound/.asoundrc"
  fi
}

# The dialog templates are laid out for "ＭＳ Ｐゴシック" 9 point, which Wine does not have: its own
# fallback is wider and cuts captions. The IPA fonts that setup installs are close stand-ins.
# Writes the mapping only when the prefix lacks it, so a current prefix pays one grep.
wine_map_dialog_fonts() {
  # Wine keeps the value names in user.reg as escaped UTF-16 code points.
  local saved
  saved=$(grep -cxF -e '"\xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af"="IPAPGothic"' \
    -e '"\xff2d\xff33 \x30b4\x30b7\x30c3\x30af"="IPAGothic"' -e '"MS UI Gothic"="IPAPGothic"' \
    "$WINEPREFIX/user.reg" 2>/dev/null) || true
  [ "${saved:-0}" -ge 3 ] && return 0
  local reg="$WINEPREFIX/dialog-fonts.reg"
  # regedit reads a REGEDIT4 file in the ANSI code page, which is 932 here.
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '"MS UI Gothic"="IPAPGothic"' |
    iconv -f UTF-8 -t CP932 > "$reg"
  wine regedit /S "$reg" </dev/null >/dev/null 2>&1
  rm -f "$reg"
}

wine_down() {
  if [ "$STARTED_WINESERVER" = 1 ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" >/dev/null 2>&1 || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
