#!/usr/bin/env bash
# Installs what building and testing VornGUI needs on Debian 12, when missing:
# the i686 mingw-w64 cross compiler, Wine (32-bit), a virtual X server,
# ImageMagick for screenshots, CMake, Ninja, ccache, GoogleTest and clang for
# the fuzz targets. Quick when everything is there.
set -eu

packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine
          xvfb xauth x11-utils imagemagick cmake ninja-build ccache googletest g++ clang
          libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
