#!/usr/bin/env bash
# Installs, by Debian package name, everything that building, running and
# testing Kestravin 2005 needs on a fresh Debian 12 machine. Quick when all
# of it is already there: apt is only called for what is missing.
set -euo pipefail

PACKAGES=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev libqt6svg6 libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher espeak-ng
  libjpeg-dev libgtest-dev libgmock-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth xdotool x11-utils
  pulseaudio pulseaudio-utils
  orca at-spi2-core dbus
  fonts-dejavu-core fonts-freefont-ttf fonts-liberation fonts-tomsontalks
  poppler-utils imagemagick python3
  dpkg-dev desktop-file-utils appstream lintian
  clang libclang-rt-14-dev clang-format
  stockfish fairy-stockfish gnuchess-book
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
