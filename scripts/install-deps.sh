#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorix need.
# Idempotent: apt-get runs only when a package is missing, so a prepared machine pays nothing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config git
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev libqt6webenginecore6-bin libx11-dev
  xvfb xauth fonts-liberation2 culmus fontconfig librsvg2-bin imagemagick hspell python3-fonttools
  desktop-file-utils appstream groff-base dpkg-dev file
  xserver-xorg-core xserver-xorg-video-dummy x11-xkb-utils openbox
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=sudo; fi
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q "${missing[@]}"
fi
