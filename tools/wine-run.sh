#!/usr/bin/env bash
# Runs one Windows program under Wine for the tests: the prefix lives in the
# build tree (VORN_WINE_DIR, else <build>/wine beside the program), the
# wineserver stays up between programs, and a virtual display is started when
# none is set. What this script starts itself, it stops again.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"

exe="$1"; shift
if [ -z "${VORN_WINE_DIR:-}" ]; then
    d="$(cd "$(dirname "$exe")" && pwd)"
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d="$(dirname "$d")"; done
    [ "$d" = / ] && d="$(cd "$(dirname "$exe")" && pwd)"
    VORN_WINE_DIR="$d/wine"
fi
mkdir -p "$VORN_WINE_DIR"
vorn_wine_export "$VORN_WINE_DIR"
vorn_wine_prefix "$VORN_WINE_DIR" || exit 1

started_x=0
if [ -z "${DISPLAY:-}" ] && ! vorn_display_from "$VORN_WINE_DIR"; then
    own="$VORN_WINE_DIR/own-$$"; mkdir -p "$own"
    vorn_xvfb_start "$own" || exit 1
    started_x=1
fi
vorn_wine_services

wine "$exe" "$@"
rc=$?
if [ "$started_x" = 1 ]; then
    vorn_xvfb_stop "$own"; rmdir "$own" 2>/dev/null
fi
exit $rc
