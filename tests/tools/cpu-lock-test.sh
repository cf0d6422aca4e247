#!/usr/bin/env bash
# Test runs of two build trees side by side take processors of their own; what
# a run starts (its display, its wineserver, its program) holds no processor's
# lock, so a killed run frees its processor; the locks' folder and files are
# never links nor anybody else's; and a refused pinning is said.
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
waitfor() {   # FILE WHAT
    for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.05; done
    fail "$2"
}

# A run of "tree A" and one of "tree B": each pins itself, starts a daemon the
# way a run starts its display, then its program the way wine-run.sh does.
one_run() {   # NAME
    vorn_pin_cpu
    (vorn_exec_unlocked sleep 300) &
    echo "$!" >"$work/$1.daemon"
    taskset -pc $BASHPID | sed 's/.*: //' >"$work/$1.cpu"
    program() { sleep 300 & echo "$!" >"$work/$1.program"; wait; }
    vorn_run_unlocked program "$1"
}
for n in A B; do
    one_run "$n" &
    pids+=("$!")
    waitfor "$work/$n.program" "run $n never started its program"
    pids+=("$(cat "$work/$n.daemon")" "$(cat "$work/$n.program")")
done
a="$(cat "$work/A.cpu")"; b="$(cat "$work/B.cpu")"
[ "$a" != "$b" ] || fail "both runs were pinned to processor $a"

holds() {   # PID: whether it has a processor lock open
    ls -l "/proc/$1/fd" 2>/dev/null | grep -q "$VORN_CPU_LOCKS/"
}
holds "${pids[0]}" || fail "run A holds no processor lock"
holds "$(cat "$work/A.daemon")" && fail "run A's daemon holds its processor lock"
holds "$(cat "$work/A.program")" && fail "run A's program holds its processor lock"
[ "$(stat -c %a "$VORN_CPU_LOCKS")" = 700 ] || fail "the locks' folder is open to others"
[ "$(stat -c %a "$VORN_CPU_LOCKS/cpu.$a.lock")" = 600 ] || fail "a lock file is open to others"

# Killed, run A leaves its program running, and its processor free.
{ kill -9 "${pids[0]}"; wait "${pids[0]}"; } 2>/dev/null
kill -0 "$(cat "$work/A.program")" || fail "run A's program ended with it"
for _ in $(seq 100); do flock -n "$VORN_CPU_LOCKS/cpu.$a.lock" true && break; sleep 0.05; done
flock -n "$VORN_CPU_LOCKS/cpu.$a.lock" true || fail "the killed run A still holds processor $a"

# What another user could plant: the folder as a link, a folder open to all,
# lock files as links. None is followed, made or used, and each is said.
planted() {   # LOCKDIR: what a pinned run says, run A's way
    (VORN_CPU_LOCKS="$1" vorn_pin_cpu; taskset -pc $BASHPID | sed 's/.*: //' >"$work/planted.cpu") 2>&1
}
mkdir -m 755 "$work/target"
ln -s "$work/target" "$work/linked"
mkdir -m 1777 "$work/open"
mkdir -m 700 "$work/links"
for ((c = 0; c < $(nproc); c++)); do ln -s "$work/made.$c" "$work/links/cpu.$c.lock"; done
all="$(taskset -pc $$ | sed 's/.*: //')"
for d in linked open; do
    said="$(planted "$work/$d")"
    case "$said" in *"not this user's alone"*) ;; *) fail "a planted $d folder was not said: '$said'" ;; esac
    [ "$(cat "$work/planted.cpu")" = "$all" ] || fail "a run pinned itself through a planted $d folder"
done
[ "$(stat -c %a "$work/target")" = 755 ] || fail "the linked folder's target was made $(stat -c %a "$work/target")"
[ -z "$(find "$work/target" "$work/open" -mindepth 1)" ] || fail "lock files were made in a planted folder"
planted "$work/links" >/dev/null
ls "$work"/made.* >/dev/null 2>&1 && fail "a lock file's link was followed"
[ "$(cat "$work/planted.cpu")" = "$all" ] || fail "a run pinned itself through a linked lock file"

# A system whose taskset shows the processors but refuses the pinning.
mkdir "$work/bin"
cat >"$work/bin/taskset" <<'EOF'
#!/bin/sh
[ $# -eq 3 ] && { echo "taskset: failed to set pid $3's affinity: Operation not permitted" >&2; exit 1; }
exec /usr/bin/taskset "$@"
EOF
chmod +x "$work/bin/taskset"
said="$(PATH="$work/bin:$PATH" planted "$work/refused")"
case "$said" in
    *"taskset refused to pin this run to processor "*"Operation not permitted"*"runs unpinned"*) ;;
    *) fail "a refused pinning was not said: '$said'" ;;
esac

echo "PASSED"
