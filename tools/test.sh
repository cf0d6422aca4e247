#!/usr/bin/env bash
# Sets up, builds and runs every test of the presets: the window-free code
# natively under the sanitizers, a short run of each fuzz target, then the
# whole program under Wine (last: CI reads its summary). Test programs run
# side by side, as many as there are processors; each Windows test program in
# a Wine prefix, on a display and on a processor of its own.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs="$(nproc)"
t0=$SECONDS
tools/setup.sh || exit 1
tools/build.sh native fuzz win32 || exit 1
t1=$SECONDS

rc=0
echo "== native tests"
ctest --preset native -j "$jobs" || rc=1
echo "== fuzz targets, short runs"
ctest --preset fuzz -j "$jobs" || rc=1
t2=$SECONDS
echo "== win32 tests (Wine), $jobs at a time"
. tools/wine-env.sh
# Found out once for every run: whether the test programs can be pinned.
if ! vorn_cpu_pinning_works; then
    echo "   (this system refuses to pin a process to a processor: the test programs run unpinned)"
    export VORN_CPU_PIN=0
elif ! vorn_cpu_lock_dir >/dev/null; then
    export VORN_CPU_PIN=0
fi
# A Windows test program whose cases fail runs those cases once more
# (tools/wine-test.sh); the ones that pass only then are listed below.
retried="$PWD/build/win32/retried.txt"
rm -f "$retried"
VORN_RETRIED="$retried" ctest --preset win32 -j "$jobs" || rc=1
t3=$SECONDS

echo "== times: setup and build $((t1 - t0)) s, native and fuzz tests $((t2 - t1)) s, win32 tests $((t3 - t2)) s"
if [ -s "$retried" ]; then
    echo "== tests that failed and passed only when run again (faults to mend):"
    sed 's/^/   /' "$retried"
fi
exit $rc
