#!/bin/sh
# Cross-builds the logic, the simulated unit and the logic tests for Windows
# with MinGW-w64 and runs the tests under Wine, with no display; prints
# GoogleTest's summary and fails when a test fails.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix wine googletest
# No debug information: nothing reads it, and writing it is a fifth of the build.
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DAMBRELIN_TESTS=ON >/dev/null
cmake --build build/windows --target ambrelin_tests
# Wine's Windows lives in the build folder. No .NET or browser engine is
# wanted, whose installers would ask, and no window, even on a desktop.
export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# Made on the first run, which Wine reports at length.
[ -d "$WINEPREFIX" ] || wine wineboot --init >/dev/null 2>&1
# China's zone, written so that Windows' C runtime reads it too: away from
# UTC, so the log's offset is put to the test.
TZ=CST-8 wine build/windows/tests/ambrelin_tests.exe --gtest_brief=1
