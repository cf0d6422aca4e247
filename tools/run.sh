#!/usr/bin/env bash
# Sets up, builds and starts VornGUI.exe under Wine: on the current display if
# there is one, else on a virtual one (then it says which, and how to take a
# picture of it).
#
#   tools/run.sh              the demonstration (README.md): VornGUI.exe on the
#                             settings file of build/win32/demo, which is
#                             prepared when it is not there yet
#   tools/run.sh --executables FOLDER [OPTION...]
#                             the same, with FOLDER (a real emulator's) as the
#                             executables folder from now on
#   tools/run.sh OPTION...    VornGUI.exe with these options of its own only
#
# It builds only what it runs: the program, the stand-ins and vorndemo.exe,
# which prepares the demonstration. Wine's own messages go to
# build/win32/run.log; with VORN_WINEDEBUG set (a WINEDEBUG value such as
# "err+all") they come to the terminal.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh || exit 1
tools/build.sh win32 --target VornGUI vorndemo || exit 1

log=build/win32/run.log
: >"$log"
[ -n "${VORN_WINEDEBUG:-}" ] || export VORN_WINE_LOG="$PWD/$log"

demo=()
if [ "${1:-}" = --executables ]; then
    [ $# -ge 2 ] || { echo "run: --executables needs a folder" >&2; exit 2; }
    folder="$2"
    shift 2
    case "$folder" in
        [A-Za-z]:*) ;;  # a Windows path already
        *)
            [ -d "$folder" ] || { echo "run: no folder $folder" >&2; exit 2; }
            # Wine's drive Z: is the root of the file system.
            folder="Z:$(cd "$folder" && pwd | tr / '\\')"
            ;;
    esac
    demo=(--executables "$folder")
elif [ $# -gt 0 ]; then
    demo=(none)
fi

args=()
if [ "${demo[*]}" != none ]; then
    mapfile -t args < <(tools/wine-run.sh build/win32/bin/vorndemo.exe "${demo[@]}" | tr -d '\r')
    if [ ${#args[@]} -eq 0 ]; then
        echo "run: the demonstration could not be prepared" >&2
        grep -a '^vorndemo:' "$log" >&2
        exit 1
    fi
    echo "run: the demonstration's settings: build/win32/demo/VornGUI.ini (README.md tells what it is)"
fi
# Without a display of its own it runs on a virtual one, which wine-run.sh
# names so that a picture of it can be taken.
[ -n "${DISPLAY:-}" ] || export VORN_RUN_SAYS_DISPLAY=1
[ -n "${VORN_WINEDEBUG:-}" ] || echo "run: Wine's own messages go to $log"
exec tools/wine-run.sh build/win32/bin/VornGUI.exe "${args[@]}" "$@"
