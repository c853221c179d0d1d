#!/usr/bin/env bash
# Installs what the build and the tests need. Quiet and quick when everything is there.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

PKGS=(g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick fonts-ipafont-gothic locales
      googletest cmake make vorbis-tools)

# One query for every package: a package not installed, or not known at all, is missing.
declare -A installed=()
while read -r name status; do
  [ "$status" = "install ok installed" ] && installed[${name%%:*}]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${PKGS[@]}" 2>/dev/null || true)
missing=()
for p in "${PKGS[@]}"; do
  [ -n "${installed[$p]:-}" ] || missing+=("$p")
done

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# The ogg decoder of the stand-in ogg player library.
bash "$ROOT/scripts/ogg-vorbis.sh"
