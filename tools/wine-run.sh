#!/usr/bin/env bash
# Runs one Windows program under Wine. The prefixes live in the build tree
# (VORN_WINE_DIR, else <build>/wine beside the program).
#
# By default the program runs in the shared prefix of hand runs, with a
# wineserver that stays up between programs, on the current display or else on
# a virtual one that this script starts and stops again.
#
# With VORN_WINE_PRIVATE=1 (how ctest runs the test programs) it runs in a
# prefix of its own, copied from the build tree's template, with a wineserver
# and a virtual display of its own: programs run side by side can neither see
# one another's windows nor share a registry or a temporary folder. All of it
# goes when the program ends.
#
# With VORN_WINE_LOG set (a file) the program's standard error goes there:
# Wine's own messages (ALSA's, a missing drive's) with it.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"

exe="$1"; shift
vorn_wine() {
    if [ -n "${VORN_WINE_LOG:-}" ]; then
        wine "$@" 2>>"$VORN_WINE_LOG"
    else
        wine "$@"
    fi
}
if [ -z "${VORN_WINE_DIR:-}" ]; then
    d="$(cd "$(dirname "$exe")" && pwd)"
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d="$(dirname "$d")"; done
    [ "$d" = / ] && d="$(cd "$(dirname "$exe")" && pwd)"
    VORN_WINE_DIR="$d/wine"
fi
mkdir -p "$VORN_WINE_DIR"

if [ "${VORN_WINE_PRIVATE:-0}" = 1 ]; then
    vorn_wine_template "$VORN_WINE_DIR" || exit 1
    # The folder takes its run.* name only once it names its owner: the
    # test command's last step ends every run.* folder without a live owner.
    new="$(mktemp -d "$VORN_WINE_DIR/new.XXXXXX")"
    echo $$ >"$new/owner"
    run="$VORN_WINE_DIR/run.${new##*/new.}"
    mv -T "$new" "$run" || exit 1  # never into a folder of that name
    trap 'vorn_run_end "$run"' EXIT
    trap 'exit 143' INT TERM
    vorn_wine_clone "$VORN_WINE_DIR/template" "$run/prefix" || exit 1
    vorn_wine_export "$run/prefix"
    vorn_pin_cpu
    vorn_xvfb_start "$run" || exit 1
    vorn_wine_services
    vorn_run_unlocked vorn_wine "$exe" "$@"
    exit $?
fi

vorn_wine_shared "$VORN_WINE_DIR" || exit 1
vorn_wine_export "$VORN_WINE_DIR/prefix"
started_x=0
if [ -z "${DISPLAY:-}" ] && ! vorn_display_from "$VORN_WINE_DIR"; then
    own="$VORN_WINE_DIR/own-$$"; mkdir -p "$own"
    vorn_xvfb_start "$own" || exit 1
    started_x=1
    [ -z "${VORN_RUN_SAYS_DISPLAY:-}" ] ||
        echo "run: VornGUI runs on the virtual display $DISPLAY; a picture of it: DISPLAY=$DISPLAY import -window root shot.png"
fi
vorn_wine_services

vorn_wine "$exe" "$@"
rc=$?
if [ "$started_x" = 1 ]; then
    vorn_xvfb_stop "$own"; rmdir "$own" 2>/dev/null
fi
exit $rc
