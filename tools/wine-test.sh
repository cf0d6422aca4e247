#!/usr/bin/env bash
# Runs one Windows test program for ctest: in a Wine prefix, wineserver and
# virtual display of its own (wine-run.sh with VORN_WINE_PRIVATE=1), so that
# test programs can run side by side.
#
# When test cases fail, or one hangs or crashes and ends the program early
# (or the program runs past VORN_PROGRAM_LIMIT seconds, 150 by default),
# those cases run once more on their own, with the cases the early end kept
# from running. If they pass then, the program counts as passed, but each case
# that needed the second run is named here and appended to the file
# VORN_RETRIED (when set), which the test command lists at its end: a test
# that needs a second run is a fault to mend, not a pass.
# A program that crashes or hangs after its results (after "[  PASSED  ]")
# fails, whatever its cases do when run again.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"; shift
export VORN_WINE_PRIVATE=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A program whose own watchdog cannot end it (Wine itself stuck) is ended
# here, well within ctest's limit, so that its cases still run once more.
limit="${VORN_PROGRAM_LIMIT:-150}"
timeout -k 10 "$limit" "$here/wine-run.sh" "$exe" "$@" 2>&1 | tee "$work/log"
rc=${PIPESTATUS[0]}
[ "$rc" = 124 ] || [ "$rc" = 137 ] && echo "wine-test: $(basename "$exe") still running after $limit s: ended"
[ "$rc" = 0 ] && exit 0

# A program that wrote its results and then ended otherwise than they say (0
# when every case passed, 1 when one failed) crashed or hung at its end: a
# fault of the program, which no second run of its cases mends or hides.
ended_badly=0
if grep -q '^\[==========\] .* ran\.' "$work/log"; then
    said=0
    grep -q '^\[  FAILED  \] [0-9]* tests\?, listed below' "$work/log" && said=1
    if [ "$rc" != "$said" ]; then
        echo "wine-test: $(basename "$exe") wrote its results, then ended with $rc instead of $said (a crash or hang at its end)"
        ended_badly=1
    fi
fi

# Case names from GoogleTest's lines ("[ RUN      ] Suite.Name",
# "[  FAILED  ] Suite.Name (12 ms)", "[  FAILED  ] Suite.Name, where ...")
# and the watchdog's "[  HUNG    ] Suite.Name still running ...".
names() {   # TAG
    sed -nE "s/^\[ *$1 *\] ([A-Za-z0-9_/]+\.[A-Za-z0-9_/]+).*/\1/p" "$work/log" | sort -u
}
names RUN >"$work/ran"
names OK >"$work/passed"
names FAILED >"$work/failed"
# A case that started and never ended hung or crashed the program.
comm -23 "$work/ran" <(sort -u "$work/passed" "$work/failed") >>"$work/failed"
sort -u -o "$work/failed" "$work/failed"
if [ ! -s "$work/failed" ]; then
    [ "$ended_badly" = 0 ] && echo "wine-test: $(basename "$exe") ended with $rc and named no failed test" >&2
    exit "$rc"
fi

# The cases of this run that never started. GoogleTest lists every case; a
# shard holds the enabled ones whose place in that list, counted from 0,
# leaves the shard's index when divided by the number of shards.
"$here/wine-run.sh" "$exe" "$@" --gtest_list_tests 2>/dev/null | tr -d '\r' | awk \
    -v total="${GTEST_TOTAL_SHARDS:-1}" -v shard="${GTEST_SHARD_INDEX:-0}" '
    /^[^ ]/ { suite = $1; next }
    /^  [^ ]/ {
        name = suite $1
        if (name ~ /(^|\.)DISABLED_/) next
        if (n++ % total == shard) print name
    }' | sort -u >"$work/listed"
comm -23 "$work/listed" <(sort -u "$work/ran") >"$work/notrun"

filter=$(cat "$work/failed" "$work/notrun" | paste -sd: -)
echo
echo "wine-test: running again: $(paste -sd' ' "$work/failed")"
[ -s "$work/notrun" ] && echo "wine-test: and the $(wc -l <"$work/notrun") cases that did not run"
unset GTEST_TOTAL_SHARDS GTEST_SHARD_INDEX
"$here/wine-run.sh" "$exe" "--gtest_filter=$filter" 2>&1
rc2=$?
[ "$rc2" != 0 ] && exit "$rc2"
prog="$(basename "$exe" .exe)"
while read -r c; do
    echo "wine-test: RETRIED: $prog: $c failed, then passed on its second run"
    if [ -n "${VORN_RETRIED:-}" ]; then
        echo "$prog: $c" >>"$VORN_RETRIED"
        # What its first run said, for the mend.
        awk -v c="$c" 'index($0, "[ RUN      ] " c) == 1 { on = 1; n = 0; print "      " $0; next }
                       on && /^\[ RUN      \]/ { on = 0 }
                       on && n++ < 25 { print "      " $0 }
                       on && index($0, "[  FAILED  ] " c) == 1 { on = 0 }' "$work/log" >>"$VORN_RETRIED"
    fi
done <"$work/failed"
[ "$ended_badly" = 1 ] && exit "$rc"
exit 0
