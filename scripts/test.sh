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
