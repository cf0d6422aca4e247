#!/usr/bin/env bash
# Configures and builds the given presets (default: native and win32): each
# whole, or with --target only the named targets and what they need.
#   tools/build.sh [PRESET...] [--target TARGET...]
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
presets=()
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --target) shift; targets=("$@"); break ;;
        *) presets+=("$1"); shift ;;
    esac
done
[ ${#presets[@]} -gt 0 ] || presets=(native win32)
for p in "${presets[@]}"; do
    [ -f "build/$p/build.ninja" ] || cmake --preset "$p" >/dev/null
    cmake --build --preset "$p" ${targets[@]+--target "${targets[@]}"}
done
