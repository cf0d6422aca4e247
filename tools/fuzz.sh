#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz) and runs each for the given number of
# seconds (default 60), at most VORN_FUZZ_JOBS (default 3) at a time, with a
# 10-second limit per input. Usage: tools/fuzz.sh [seconds] [target...]
# (every target when none is named).
# The growing corpora, the logs and any failing inputs stay under build/fuzz/;
# the seeds in tests/fuzz/corpus/ are only read. Prints the executions per
# target and fails when any target found a crash, leak, hang or check.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
secs="${1:-60}"
[ $# -gt 0 ] && shift
targets=("$@")
# Without names: every target the fuzz build has (tests/fuzz/CMakeLists.txt).
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(sed -n 's/^vorn_add_fuzzer(\(fuzz_[a-z_0-9]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
fi
jobs="${VORN_FUZZ_JOBS:-3}"
# The configuration target also saves and re-reads (VORN_FUZZ_SAVE=0: read only).

tools/setup.sh || exit 1
tools/build.sh fuzz || exit 1

out=build/fuzz/run
run_one() {   # TARGET
    local t="$1"
    mkdir -p "$out/corpus/$t" "$out/artifacts/$t" "$out/bin"
    # A copy runs, so that a rebuild meanwhile does not pull it away.
    cp "build/fuzz/bin/$t" "$out/bin/$t"
    "$out/bin/$t" -max_total_time="$secs" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/artifacts/$t/" \
        "$out/corpus/$t" "tests/fuzz/corpus/$t" >"$out/$t.log" 2>&1
    echo $? >"$out/$t.rc"
}

mkdir -p "$out"
pids=()
for t in "${targets[@]}"; do
    while [ ${#pids[@]} -ge "$jobs" ]; do
        wait -n
        alive=()
        for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && alive+=("$p"); done
        pids=("${alive[@]}")
    done
    echo "fuzz: $t for ${secs}s"
    run_one "$t" &
    pids+=($!)
done
wait

rc=0
for t in "${targets[@]}"; do
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$t.log" | tail -1)
    if [ "$(cat "$out/$t.rc")" = 0 ]; then
        echo "fuzz: $t: ${execs:-?} executions, no findings"
    else
        echo "fuzz: $t: FAILED after ${execs:-?} executions, see $out/$t.log and $out/artifacts/$t/"
        rc=1
    fi
done
exit $rc
