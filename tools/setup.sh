#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the screen tools
# need and is not there yet. Safe to run again and again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libfontconfig-dev libjpeg-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-motoya-l-maruberi fontconfig
  xvfb xauth x11-utils xdotool imagemagick python3
  at-spi2-core dbus-x11 python3-pyatspi orca openbox speech-dispatcher
  mecab-ipadic kanjidic
  librsvg2-bin desktop-file-utils appstream man-db gzip lintian dpkg-dev util-linux
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fc-cache -f >/dev/null 2>&1 || true
fi
