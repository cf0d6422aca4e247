#!/usr/bin/env bash
# The test command's last step (wine-env.sh stop) ends only what killed test
# runs left behind: a hand run's shared prefix and a run still owned by a
# living wrapper go on.
#   wine-env-stop-test.sh WINEDIR   (the build tree's Wine folder, whose
#                                    template the ctest fixture made)
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)"
. "$here/wine-env.sh"
dir="$(mktemp -d "$1/stop-test.XXXXXX")"
server=""
cleanup() {
    [ -n "$server" ] && WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A hand run's prefix with its persistent wineserver, as tools/run.sh leaves it.
vorn_wine_clone "$1/template" "$dir/prefix" || fail "could not copy the template"
WINEPREFIX="$dir/prefix" wineserver -f -p &
server=$!
# A run folder whose wrapper lives (this script) and one whose wrapper died.
mkdir "$dir/run.live" "$dir/run.dead"
echo $$ >"$dir/run.live/owner"
true & dead=$!; wait "$dead"
echo "$dead" >"$dir/run.dead/owner"

"$here/wine-env.sh" stop "$dir" || fail "wine-env.sh stop ended with $?"
kill -0 "$server" 2>/dev/null || fail "the hand run's wineserver was ended"
[ -d "$dir/run.live" ] || fail "a run whose wrapper lives was removed"
[ -d "$dir/run.dead" ] && fail "a run whose wrapper died was left"
echo "PASSED"
