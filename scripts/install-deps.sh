#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# The one place that installs anything; safe to run again (quiet when all is there).
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
  qt6-multimedia-dev
  libfluidsynth-dev libasound2-dev timgm6mb-soundfont
  libcurl4-openssl-dev libgif-dev
  fonts-comic-neue fonts-comfortaa fonts-dejavu-core fonts-noto-cjk
  xvfb xauth
  qt6-httpserver-dev qt6-websockets-dev libqt6sql6-sqlite libqt6sql6-psql
  libsodium-dev postgresql wrk
  espeak-ng fluidsynth lame
  qt6-svg-dev desktop-file-utils appstream nginx
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
