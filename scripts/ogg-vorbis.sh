#!/usr/bin/env bash
# Cross-builds the reference Ogg Vorbis decoder (libogg, libvorbis) for mingw-w64 from Debian's
# source packages, once: the static libraries and headers are kept in .deps/ogg-vorbis/ (outside the
# build folder, ignored by git) and reused while the pinned versions stay the same.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

OGG_VERSION=1.3.5-3
VORBIS_VERSION=1.3.7-1
PREFIX="$ROOT/.deps/ogg-vorbis"
STAMP="libogg $OGG_VERSION libvorbis $VORBIS_VERSION"
[ "$(cat "$PREFIX/.built" 2>/dev/null)" = "$STAMP" ] && exit 0

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

# Source packages come from the same archive and suite as the installed binaries.
SRC_LIST=/etc/apt/sources.list.d/debian-src.sources
if ! apt-cache showsrc libogg 2>/dev/null | grep -qx "Version: $OGG_VERSION"; then
  echo "setup: adding Debian's source packages to apt"
  URI=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  CODENAME=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  printf '%s\n' 'Types: deb-src' "URIs: ${URI:-http://deb.debian.org/debian}" "Suites: $CODENAME" \
    'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | $SUDO tee "$SRC_LIST" >/dev/null
  $SUDO apt-get update -qq
fi
if ! command -v dpkg-source >/dev/null; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null
fi

echo "setup: building libogg $OGG_VERSION and libvorbis $VORBIS_VERSION for mingw-w64"
WORK="$ROOT/.deps/src"
rm -rf "$WORK" "$PREFIX"
mkdir -p "$WORK"
cd "$WORK"
apt-get source -qq "libogg=$OGG_VERSION" "libvorbis=$VORBIS_VERSION" >/dev/null 2>&1
export CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar RANLIB=x86_64-w64-mingw32-ranlib
export CFLAGS="-O2"
COMMON=(--host=x86_64-w64-mingw32 "--prefix=$PREFIX" --disable-shared --enable-static -q)
(cd libogg-"${OGG_VERSION%-*}" && ./configure "${COMMON[@]}" >/dev/null && make -s -j3 >/dev/null 2>&1 &&
  make -s install >/dev/null)
(cd libvorbis-"${VORBIS_VERSION%-*}" && ./configure "${COMMON[@]}" --disable-docs --disable-examples \
  --disable-oggtest "--with-ogg=$PREFIX" >/dev/null 2>&1 && make -s -j3 >/dev/null 2>&1 && make -s install >/dev/null)
rm -rf "$WORK"
echo "$STAMP" >"$PREFIX/.built"
