#!/bin/sh
# Builds everything under the address and undefined-behaviour sanitizers and
# runs every test; windows run offscreen.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DAMBRELIN_TESTS=ON -DAMBRELIN_SANITIZE=ON -DAMBRELIN_BENCH=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2
# The parsers and loaders under libFuzzer, a bounded time each, with clang.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DAMBRELIN_FUZZ=ON -DAMBRELIN_SANITIZE=ON >/dev/null
cmake --build build/fuzz --target fuzz_targets
ctest --test-dir build/fuzz --output-on-failure -j2
# The logic and its tests once more, cross-built for Windows and run under Wine.
scripts/test-windows.sh
