#!/usr/bin/env bash
# tools/setup.sh, against a package manager played by scripts: it tries the
# install once more only when the amd64 and i386 lists disagree, holding back
# just the packages they disagree on, and says to upgrade once the archive is
# whole; a locked database and any other failure are said as they are.
set -u
setup="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)/setup.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
mkdir "$work/bin"
fake() {   # NAME BODY
    printf '#!/bin/bash\n%s\n' "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
fake sudo 'exec "$@"'
fake dpkg 'case "$1" in -s) exit 1 ;; --print-foreign-architectures) echo i386 ;; *) exec '"$(command -v dpkg)"' "$@" ;; esac'
# apt-get: records each install's words, then the preferences file it was
# given, and answers as $WORK/scenario's line for that install says.
fake apt-get '
[ "$1" = update ] && exit 0
echo "$*" >>"$WORK/calls"
for a in "$@"; do case "$a" in Dir::Etc::Preferences=*) cat "${a#*=}" >>"$WORK/calls" ;; esac; done
line="$(sed -n "$(grep -c ^install "$WORK/calls")p" "$WORK/scenario")"
[ "$line" = ok ] && exit 0
printf "%b\n" "$line"
exit 100'
# apt-cache: libwine has a security update for amd64 only; libc6 agrees.
fake apt-cache '
case "$1 $2" in
    "policy libwine:amd64") echo "  Candidate: 8.0~repack-4+deb12u1" ;;
    "policy libwine:i386")  echo "  Candidate: 8.0~repack-4" ;;
    "policy libc6:"*)       echo "  Candidate: 2.36-9+deb12u13" ;;
    "show libwine:amd64")   printf "Version: 8.0~repack-4+deb12u1\nVersion: 8.0~repack-4\nVersion: 7.0-1\n" ;;
    "show libwine:i386")    printf "Version: 8.0~repack-4\nVersion: 7.0-1\n" ;;
esac'

mismatch=' wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed\n libwine:i386 : Breaks: libwine (!= 8.0~repack-4) but 8.0~repack-4+deb12u1 is to be installed\n                Depends: libc6:i386 (>= 2.34) but it is not going to be installed\nE: Unable to correct problems, you have held broken packages.'
lock='E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get)'
other='E: Unable to locate package libxtst-dev'
agree=' wine32:i386 : Depends: libc6:i386 (>= 2.34) but it is not going to be installed'
# The second try holds libwine:amd64 alone, at the version both architectures
# have, with a priority that never downgrades.
held=$'Package: libwine:amd64\nPin: version 8.0~repack-4\nPin-Priority: 990'

# scenario (each install's answer, ;; between them) | installs | the setup's end | what it says
cases=(
    "$mismatch;;ok|2|0|disagree on libwine:amd64 (a half-synced archive)*held back*'apt-get upgrade'"
    "$mismatch;;$other|2|1|disagree on libwine:amd64*could not install"
    "$lock|1|1|still holds the package database*let it end"
    "$other|1|1|could not install g++-mingw-w64-i686*apt's lines above say why"
    "$agree|1|1|could not install"
)
for c in "${cases[@]}"; do
    IFS='|' read -r scenario installs end says <<<"$c"
    rm -f "$work/calls"
    printf '%s\n' "$scenario" | sed 's/;;/\n/g' >"$work/scenario"
    out="$(WORK="$work" PATH="$work/bin:$PATH" bash "$setup" 2>&1)"
    rc=$?
    what="'${scenario:0:40}...'"
    [ "$rc" = "$end" ] || fail "$what: setup ended with $rc, not $end: $out"
    [ "$(grep -c ^install "$work/calls")" = "$installs" ] || fail "$what: $(grep -c ^install "$work/calls") installs, not $installs"
    case "$out" in *$says*) ;; *) fail "$what: setup did not say '$says': $out" ;; esac
    grep -q -- '-o DPkg::Lock::Timeout=' "$work/calls" || fail "$what: the install does not wait for a locked database"
    grep -q -- ' -t \| --target-release' "$work/calls" && fail "$what: a suite was preferred for every package"
    [ "$installs" = 1 ] || [ "$(sed -n '3,$p' "$work/calls")" = "$held" ] ||
        fail "$what: the second try's preferences: $(sed -n '3,$p' "$work/calls")"
done
echo "PASSED"
