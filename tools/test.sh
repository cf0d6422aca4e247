#!/usr/bin/env bash
# Sets up, builds and runs every test of the presets: the window-free code
# natively under the sanitizers, a short run of each fuzz target, then the
# whole program under Wine (last: CI reads its summary).
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh || exit 1
tools/build.sh native fuzz win32 || exit 1

rc=0
echo "== native tests"
ctest --preset native || rc=1
echo "== fuzz targets, short runs"
ctest --preset fuzz || rc=1
echo "== win32 tests (Wine)"
# A Windows test program that fails is run once more: under a heavily loaded
# machine Wine's timing can stretch a wait past its limit. The first failure
# stays in the log above the summary.
ctest --preset win32 --repeat until-pass:2 || rc=1
exit $rc
