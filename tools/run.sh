#!/usr/bin/env bash
# Sets up, builds and starts VornGUI.exe under Wine: on the current display if
# there is one, else on a virtual one (then say so; tools/screenshot shows it).
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh || exit 1
tools/build.sh win32 || exit 1

if [ -z "${DISPLAY:-}" ]; then
    echo "run: no display set; VornGUI runs on a virtual display (Xvfb)."
    echo "run: use tools/screenshot to see its window."
fi
exec tools/wine-run.sh build/win32/bin/VornGUI.exe "$@"
