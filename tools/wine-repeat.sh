#!/usr/bin/env bash
# Runs Windows test programs many times side by side and counts how each run
# ended, for the rare faults that one run does not show (a crash at the end
# of one run in a hundred under load):
#
#   tools/wine-repeat.sh RUNS PARALLEL PROGRAM.exe [PROGRAM.exe...]
#
# Every run is one program in a Wine prefix, display and folder of its own
# (wine-run.sh with VORN_WINE_PRIVATE=1), with core files allowed. For each
# program it prints how many runs passed (ended with 0), failed (ended with 1,
# as GoogleTest does when a case fails), crashed after their results (wrote
# "[  PASSED  ]" and ended otherwise), ended otherwise (a crash, hang or kill
# before the results), and left core files in their folder: a crashed process
# of the run, a death test's child too, whose crash its parent may accept
# (where the kernel writes core files into the current folder, as with
# core_pattern "core"). The logs and core files of the runs that did not pass
# stay in VORN_REPEAT_OUT (default: repeat/ in the current folder).
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [ $# -lt 3 ]; then
    echo "usage: $0 RUNS PARALLEL PROGRAM.exe [PROGRAM.exe...]" >&2
    exit 2
fi
runs="$1"; parallel="$2"; shift 2
out="$(realpath -m "${VORN_REPEAT_OUT:-repeat}")"
mkdir -p "$out"
[ -n "${VORN_WINE_DIR:-}" ] && export VORN_WINE_DIR="$(realpath -m "$VORN_WINE_DIR")"
programs=()
for p in "$@"; do programs+=("$(realpath "$p")") || exit 2; done

one_run() {   # PROGRAM INDEX
    local name log dir rc cores end
    name="$(basename "$1" .exe)"
    log="$out/$name.$2.log"
    dir="$(mktemp -d)"
    (ulimit -c unlimited; cd "$dir" && VORN_WINE_PRIVATE=1 timeout -k 10 300 "$here/wine-run.sh" "$1") >"$log" 2>&1
    rc=$?
    cores=$(find "$dir" -maxdepth 1 -name 'core*' | wc -l)
    if [ "$cores" != 0 ]; then
        mkdir -p "$out/$name.$2.cores" && mv "$dir"/core* "$out/$name.$2.cores/"
    fi
    rm -rf "$dir"
    if [ "$rc" = 0 ]; then
        end=passed
    elif [ "$rc" = 1 ] && grep -q '^\[  FAILED  \] [0-9]* tests\?, listed below' "$log"; then
        end=failed
    elif grep -q '^\[  PASSED  \]' "$log"; then
        end=crashed-after-results
    else
        end=ended-otherwise
    fi
    [ "$end" = passed ] && rm -f "$log"
    echo "$name $end $cores"
}
export -f one_run
export out here

echo "load before: $(cat /proc/loadavg)"
for i in $(seq 1 "$runs"); do
    for p in "${programs[@]}"; do printf '%s\n%s\n' "$p" "$i"; done
done | xargs -d '\n' -P "$parallel" -n 2 bash -c 'one_run "$0" "$1"' | awk '
    { n[$1]++; e[$1, $2]++; if ($3 > 0) c[$1]++ }
    END {
        for (p in n)
            printf "%s: %d runs: %d passed, %d failed, %d crashed after their results, %d ended otherwise, %d left core files\n",
                p, n[p], e[p, "passed"], e[p, "failed"], e[p, "crashed-after-results"], e[p, "ended-otherwise"], c[p]
    }'
echo "load after: $(cat /proc/loadavg)"
echo "logs of the runs that did not pass: $out"
