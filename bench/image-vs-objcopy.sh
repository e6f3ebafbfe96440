#!/bin/sh
# `ambrelin-cli image` of a 64 KB Intel HEX file as a whole process, against
# `objcopy -I ihex -O binary` on the same file: start-up, loading and exit.
# Times with hyperfine when it is installed (apt-get install hyperfine), else
# with a loop of runs. Not part of the tests.
#
#   bench/image-vs-objcopy.sh [AMBRELIN-CLI] [RUNS]
#
# Without AMBRELIN-CLI it builds a Release one in build/bench.
set -e
cd "$(dirname "$0")/.."
cli=$1
runs=${2:-200}
if [ -z "$cli" ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBRELIN_BENCH=ON >/dev/null
  cmake --build build/bench --target ambrelin-cli >/dev/null
  cli=build/bench/src/ambrelin-cli
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# 4,096 data records of 16 bytes with their checksums, then the end record.
hex=$work/image.hex
bench/hex-image.sh 65536 >"$hex"

ours="$cli image $hex"
theirs="objcopy -I ihex -O binary $hex $work/image.bin"
# Both must succeed on the file, or the times mean nothing.
$ours >/dev/null
$theirs

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 10 --runs "$runs" --export-csv "$work/times.csv" "$ours" "$theirs" >/dev/null
  ours_ms=$(awk -F, 'NR == 2 { print $2 * 1000 }' "$work/times.csv")
  theirs_ms=$(awk -F, 'NR == 3 { print $2 * 1000 }' "$work/times.csv")
else
  # Mean wall time of a command in milliseconds.
  mean_ms() {
    start=$(date +%s%N)
    i=0
    while [ $i -lt "$runs" ]; do
      $1 >/dev/null
      i=$((i + 1))
    done
    end=$(date +%s%N)
    echo $(((end - start) / runs)) | awk '{ print $1 / 1e6 }'
  }
  ours_ms=$(mean_ms "$ours")
  theirs_ms=$(mean_ms "$theirs")
fi
awk -v ours="$ours_ms" -v theirs="$theirs_ms" -v runs="$runs" 'BEGIN {
  printf "ambrelin-cli image:           %6.2f ms (mean of %d runs)\n", ours, runs
  printf "objcopy -I ihex -O binary:    %6.2f ms\n", theirs
  printf "ratio (ambrelin-cli/objcopy): %6.2f\n", ours / theirs
}'
