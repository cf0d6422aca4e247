#!/usr/bin/env bash
# Installs what building and testing VornGUI needs on Debian 12, when missing:
# the i686 mingw-w64 cross compiler, Wine (32-bit), a virtual X server,
# ImageMagick for screenshots, CMake, Ninja, ccache, GoogleTest and clang for
# the fuzz targets. Quick when everything is there.
#
# An archive in the middle of a mirror sync can serve one index of the wrong
# size: the lists apt already has are good enough to go on with. When the
# amd64 and i386 indexes then disagree on a package that both architectures
# must have at the same version (one suite refreshed for one architecture
# only), the install is tried once more with just those packages held at the
# newest version both architectures have; everything else keeps its newest
# version, security updates included. Any other failure is said as it is.
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
refreshed=1
if ! $sudo apt-get update -qq; then
    refreshed=0
    echo "setup: some package lists could not be refreshed (apt's lines above); going on with the lists apt has"
fi

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
# Waits for a package manager that holds the database, up to five minutes.
apt_install() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "$@" "${missing[@]}" >"$log" 2>&1 && return 0
    cat "$log"
    return 1
}

candidate() {   # PACKAGE:ARCH
    apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p'
}

# The packages that apt's complaint names (" pkg:i386 : Depends: lib:i386 (=
# v) but ..."), as "PACKAGE:ARCH VERSION" for every architecture whose
# candidate is not the newest version both have: nothing when the
# architectures agree on all of them.
arch_mismatches() {
    local n cand_a cand_b common v
    for n in $(awk '/^ +[^ ]+ : / { n = $1; sub(/:.*/, "", n); print n }
                    { for (i = 1; i < NF; i++) if ($i ~ /^(Pre-?Depends|Depends|Breaks|Conflicts):$/) {
                          d = $(i + 1); sub(/:.*/, "", d); print d } }' "$log" | sort -u); do
        cand_a="$(candidate "$n:amd64")"; cand_b="$(candidate "$n:i386")"
        [ -n "$cand_a" ] && [ -n "$cand_b" ] && [ "$cand_a" != "(none)" ] && [ "$cand_b" != "(none)" ] || continue
        [ "$cand_a" = "$cand_b" ] && continue
        common=""
        for v in $(comm -12 <(apt-cache show "$n:amd64" 2>/dev/null | sed -n 's/^Version: //p' | sort -u) \
                            <(apt-cache show "$n:i386" 2>/dev/null | sed -n 's/^Version: //p' | sort -u)); do
            [ -z "$common" ] || dpkg --compare-versions "$v" gt "$common" && common="$v"
        done
        [ -n "$common" ] || continue
        [ "$cand_a" = "$common" ] || echo "$n:amd64 $common"
        [ "$cand_b" = "$common" ] || echo "$n:i386 $common"
    done
}

apt_install && exit 0

if grep -q 'Could not get lock' "$log"; then
    echo "setup: another package manager still holds the package database after five minutes (apt's lines above name it):"
    echo "setup: let it end, then run this command again."
    exit 1
fi
# Only those packages are held, through preferences of this install alone, at
# a priority that makes that version the candidate but never downgrades.
prefs="$(mktemp)"
trap 'rm -f "$log" "$prefs"' EXIT
arch_mismatches | while read -r pkg version; do
    printf 'Package: %s\nPin: version %s\nPin-Priority: 990\n\n' "$pkg" "$version"
done >"$prefs"
held="$(sed -n 's/^Package: //p' "$prefs" | paste -sd' ')"
if [ -n "$held" ]; then
    echo "setup: the package lists of amd64 and i386 disagree on $held (a half-synced archive);"
    echo "setup: trying once more with those held at the newest version both architectures have"
    if apt_install -o Dir::Etc::Preferences="$prefs"; then
        echo "setup: installed, with $held held back: once the archive is whole, run"
        echo "setup: 'apt-get update' and 'apt-get upgrade' to take their newer versions."
        exit 0
    fi
fi
echo "setup: could not install ${missing[*]} (apt's lines above say why)."
[ "$refreshed" = 1 ] ||
    echo "setup: an index failed to refresh (\"Mirror sync in progress?\"): run 'apt-get update' again later, then this command."
exit 1
