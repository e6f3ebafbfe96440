#!/bin/sh
# A gang burn of four simulated units against one unit's burn of the same
# 16 KB image, wall time as a person sees it. The units keep their wire time,
# so the gang should take no longer than one unit (goal: within 1.05 x). Not
# part of the tests.
#
#   bench/gang-burn.sh [BUILD-DIR]
#
# Without BUILD-DIR it builds a Release ambrelin-cli and ambrelin-unit in
# build/bench.
set -e
cd "$(dirname "$0")/.."
build=$1
if [ -z "$build" ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBRELIN_BENCH=ON >/dev/null
  cmake --build build/bench --target ambrelin-cli ambrelin-unit >/dev/null
  build=build/bench
fi
cli=$build/src/ambrelin-cli
work=$(mktemp -d)
units=""
stop_units() {
  for pid in $units; do kill "$pid" 2>/dev/null || true; done
  wait
  rm -rf "$work"
}
trap stop_units EXIT
trap 'exit 130' INT TERM

# Four units with a 16 KB chip (its code ends at 3FFF), each on its own link.
for n in 1 2 3 4; do
  "$build/sim/ambrelin-unit" --quiet --chip 0001 --link "/tmp/ambrelin-gang$n" >/dev/null &
  units="$units $!"
done
for n in 1 2 3 4; do
  tries=0
  until [ -e "/tmp/ambrelin-gang$n" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "unit $n did not start" >&2; exit 1; }
    sleep 0.05
  done
done

# 1,024 data records of 16 bytes with their checksums, then the end record.
hex=$work/image.hex
bench/hex-image.sh 16384 >"$hex"

# Wall seconds of a burn; its output goes to the log named first, and is
# shown when the burn fails.
burn() {
  log=$1
  shift
  start=$(date +%s%N)
  if ! "$cli" burn "$@" --target 1 "$hex" >"$log" 2>&1; then
    cat "$log" >&2
    echo "burn failed: $*" >&2
    return 1
  fi
  end=$(date +%s%N)
  echo $((end - start)) | awk '{ printf "%.2f", $1 / 1e9 }'
}

one=$(burn "$work/one.log" --port /tmp/ambrelin-gang1)
echo "one unit:   $one s"
gang=$(burn "$work/gang.log" --port /tmp/ambrelin-gang1 --port /tmp/ambrelin-gang2 \
  --port /tmp/ambrelin-gang3 --port /tmp/ambrelin-gang4)
echo "four units: $gang s"
awk -v one="$one" -v gang="$gang" 'BEGIN { printf "ratio:      %.3f (goal: at most 1.05)\n", gang / one }'
