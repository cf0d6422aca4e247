#!/usr/bin/env bash
# Configures and builds the given presets (default: native and win32).
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win32)
for p in "${presets[@]}"; do
    [ -f "build/$p/build.ninja" ] || cmake --preset "$p" >/dev/null
    cmake --build --preset "$p"
done
