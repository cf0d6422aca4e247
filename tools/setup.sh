#!/usr/bin/env bash
# Installs what building and testing VornGUI needs on Debian 12, when missing:
# the i686 mingw-w64 cross compiler, Wine (32-bit), a virtual X server,
# ImageMagick for screenshots, CMake, Ninja, ccache, GoogleTest and clang for
# the fuzz targets. Quick when everything is there.
#
# An archive in the middle of a mirror sync can serve one index of the wrong
# size: the lists apt already has are good enough to go on with. When the
# amd64 and i386 indexes then disagree on versions (one suite refreshed for
# one architecture only), the install is tried once more preferring the
# release's main suite, whose versions both architectures have.
set -u

# libx11-dev and libxtst-dev: the tests' typist on the X display
# (tests/support/XKeys.c) is built with them.
packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine
          xvfb xauth x11-utils imagemagick cmake ninja-build ccache googletest g++ clang
          libclang-rt-14-dev libx11-dev libxtst-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386 || exit 1
fi
if ! $sudo apt-get update -qq; then
    echo "setup: some package lists could not be refreshed (apt's lines above); going on with the lists apt has"
fi

apt_install() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" \
        "${missing[@]}" >/dev/null
}
apt_install && exit 0

release="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
if [ -n "$release" ]; then
    echo "setup: the install failed; trying once more with the versions of the main suite ($release) preferred"
    apt_install -t "$release" && exit 0
fi
echo "setup: could not install ${missing[*]}."
echo "setup: see apt's lines above; when an index failed to refresh (\"Mirror sync in progress?\"),"
echo "setup: run 'apt-get update' again later, then this command."
exit 1
