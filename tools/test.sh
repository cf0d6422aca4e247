#!/usr/bin/env bash
# Sets up, builds and runs every test of both presets: the window-free code
# natively under the sanitizers, then the whole program under Wine.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh || exit 1
tools/build.sh native win32 || exit 1

rc=0
echo "== native tests"
ctest --preset native || rc=1
echo "== win32 tests (Wine)"
ctest --preset win32 || rc=1
exit $rc
