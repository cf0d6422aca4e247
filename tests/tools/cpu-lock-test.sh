#!/usr/bin/env bash
# Test runs of two build trees side by side take processors of their own; what
# a run starts (its display, its wineserver, its program) holds no processor's
# lock, so a killed run frees its processor; the locks' folder and files are
# never links nor anybody else's; and a refused pinning is said. The run's
# processors need not start at 0 (a container's set, taskset -c 4,5): where
# it may use four or more, it checks all again on every other one of them.
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
    for _ in $(seq 100); do [ -s "$work/$n.program" ] && break; sleep 0.05; done
    [ -s "$work/$n.program" ] || fail "run $n never started its program"
    pids+=("$(cat "$work/$n.daemon")" "$(cat "$work/$n.program")")
done
a="$(cat "$work/A.cpu")"; b="$(cat "$work/B.cpu")"
[ "$a" != "$b" ] || fail "both runs were pinned to processor $a"

holds() {   # PID: whether it has a processor lock open
    ls -l "/proc/$1/fd" 2>/dev/null | grep -q "$VORN_CPU_LOCKS/"
}
holds "${pids[0]}" || fail "run A holds no processor lock"
for p in daemon program; do holds "$(cat "$work/A.$p")" && fail "run A's $p holds its processor lock"; done
[ "$(stat -c %a "$VORN_CPU_LOCKS" "$VORN_CPU_LOCKS/cpu.$a.lock")" = $'700\n600' ] ||
    fail "the locks' folder or a lock file is open to others"

# Killed, run A leaves its program running, and its processor free.
{ kill -9 "${pids[0]}"; wait "${pids[0]}"; } 2>/dev/null
kill -0 "$(cat "$work/A.program")" || fail "run A's program ended with it"
for _ in $(seq 100); do flock -n "$VORN_CPU_LOCKS/cpu.$a.lock" true && break; sleep 0.05; done
flock -n "$VORN_CPU_LOCKS/cpu.$a.lock" true || fail "the killed run A still holds processor $a"

# What another user could plant (the folder as a link, a folder open to all,
# lock files as links) is never followed, made or used, and a planted folder is
# said; so is a pinning that taskset refuses. The run goes unpinned each time.
mkdir -m 755 "$work/target"; ln -s "$work/target" "$work/linked"
mkdir -m 1777 "$work/open"; mkdir -m 700 "$work/links" "$work/bin"
for c in $(vorn_run_cpus $$); do ln -s "$work/made.$c" "$work/links/cpu.$c.lock"; done
cat >"$work/bin/taskset" <<'EOF'
#!/bin/sh
[ $# -eq 3 ] && { echo "taskset: failed to set pid $3's affinity: Operation not permitted" >&2; exit 1; }
exec /usr/bin/taskset "$@"
EOF
chmod +x "$work/bin/taskset"
all="$(taskset -pc $$ | sed 's/.*: //')"
for c in "linked|not this user's alone" "open|not this user's alone" "links|" \
         "refused|taskset refused to pin this run to processor *Operation not permitted*runs unpinned"; do
    d="${c%%|*}" says="${c#*|}" path="$PATH"
    [ "$d" = refused ] && path="$work/bin:$PATH"
    said="$( (PATH="$path" VORN_CPU_LOCKS="$work/$d" vorn_pin_cpu; taskset -pc $BASHPID | sed 's/.*: //' >"$work/$d.cpu") 2>&1)"
    case "$said" in *$says*) ;; *) fail "$d: the run did not say '$says': '$said'" ;; esac
    [ "$(cat "$work/$d.cpu")" = "$all" ] || fail "$d: the run pinned itself"
done
[ "$(stat -c %a "$work/target")" = 755 ] || fail "the linked folder's target was made $(stat -c %a "$work/target")"
[ -z "$(find "$work/target" "$work/open" -mindepth 1)" ] || fail "lock files were made in a planted folder"
ls "$work"/made.* >/dev/null 2>&1 && fail "a lock file's link was followed"

cpus=($(vorn_run_cpus $$))
if [ -z "${VORN_LOCK_TEST_SET:-}" ] && [ ${#cpus[@]} -ge 4 ]; then
    set=""
    for ((i = 1; i < ${#cpus[@]}; i += 2)); do set+="${set:+,}${cpus[i]}"; done
    out="$(VORN_LOCK_TEST_SET="$set" taskset -c "$set" "${BASH_SOURCE[0]}" 2>&1)" ||
        fail "under processors $set: $out"
fi
echo "PASSED${VORN_LOCK_TEST_SET:+ under processors $VORN_LOCK_TEST_SET}"
