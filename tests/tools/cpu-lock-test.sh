#!/usr/bin/env bash
# Test runs of two build trees side by side take processors of their own, and
# what a run starts to live on after it (its display, its wineserver) holds no
# processor's lock.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)"
. "$here/wine-env.sh"
if ! vorn_cpu_pinning_works || [ "$(nproc)" -lt 2 ]; then
    echo "PASSED (nothing to check: fewer than two processors, or no pinning here)"
    exit 0
fi
work="$(mktemp -d)"
export VORN_CPU_LOCKS="$work/locks"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A run of "tree A" and one of "tree B": each pins itself, starts a daemon
# the way a run starts its display, writes where it went and waits.
one_run() {   # NAME
    vorn_pin_cpu
    (vorn_exec_unlocked sleep 300) &
    echo "$!" >"$work/$1.daemon"
    taskset -pc $BASHPID | sed 's/.*: //' >"$work/$1.cpu"
    exec sleep 300
}
for n in A B; do
    one_run "$n" &
    pids+=("$!")
    for _ in $(seq 100); do [ -s "$work/$n.daemon" ] && [ -s "$work/$n.cpu" ] && break; sleep 0.05; done
    [ -s "$work/$n.cpu" ] || fail "run $n never said where it runs"
    pids+=("$(cat "$work/$n.daemon")")
done
a="$(cat "$work/A.cpu")"; b="$(cat "$work/B.cpu")"
[ "$a" != "$b" ] || fail "both runs were pinned to processor $a"

holds() {   # PID: whether it has a processor lock open
    ls -l "/proc/$1/fd" 2>/dev/null | grep -q "$VORN_CPU_LOCKS/"
}
holds "${pids[0]}" || fail "run A holds no processor lock"
holds "$(cat "$work/A.daemon")" && fail "run A's daemon holds its processor lock"

echo "PASSED"
