#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and package Pelvoro.
# Idempotent: packages already present are not fetched again, and nothing runs when all is there.
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# The release target is i686: its end-to-end cases run under Debian's own 32-bit Wine, which
# needs the i386 architecture beside amd64 (ordinary multiarch).
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Adding the i386 architecture"
  $SUDO dpkg --add-architecture i386
fi

packages=(
  cmake g++ make
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine64 wine32:i386
  libxi6:i386 libxrandr2:i386 libxrender1:i386 libxcursor1:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386
  xvfb xdotool imagemagick x11-utils
  fonts-wine optipng  # the guides' pictures: Wine's own fonts, and a PNG optimiser
  nsis zip unzip
  libgtest-dev python3 file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
