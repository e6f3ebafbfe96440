#!/bin/sh
# Builds Ambrelin and starts it. A simulated unit always waits on COM32 (a
# fresh one fitted 3 s after each burn, for auto-repeat), so
# the program has something to talk to when no unit is plugged in.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release
link="${XDG_RUNTIME_DIR:-/tmp}/ambrelin-unit-$(id -u)"
build/release/sim/ambrelin-unit --quiet --next-unit-after 3 --link "$link" >/dev/null &
unit=$!
trap 'kill $unit 2>/dev/null' EXIT INT TERM
build/release/src/ambrelin-cli pin COM32 "$link"
build/release/src/ambrelin
