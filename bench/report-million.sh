#!/bin/sh
# `ambrelin-cli report` over a production log of one million lines (eight
# ports, 16 lines a minute, about one line in twenty a failed attempt that the
# port's next line verifies, a few torn and foreign lines), wall time as a
# person sees it (goal: under 2 s). Not part of the tests.
#
#   bench/report-million.sh [BUILD-DIR]
#
# Without BUILD-DIR it builds a Release ambrelin-cli in build/bench.
set -e
cd "$(dirname "$0")/.."
build=$1
if [ -z "$build" ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBRELIN_BENCH=ON >/dev/null
  cmake --build build/bench --target ambrelin-cli >/dev/null
  build=build/bench
fi
cli=$build/src/ambrelin-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

log=$work/production.log
awk 'BEGIN {
  sha = "1afc426bbc0ccf03400d07b630729cc73f8bfbf11883edb468883c252182bcae"
  for (n = 0; n < 1000000; n++) {
    if (n % 100000 == 99999) { print "{\"time\":\"2026-12-07T09:30:12+01:00\",\"host\":\"line-3\",\"po"; continue }
    if (n % 100000 == 49999) { print "{\"event\":\"shift start\"}"; continue }
    port = n % 8 + 1
    unit = int(n / 8)
    minute = int(n / 16)
    day = int(minute / 1440) % 28 + 1
    hour = int(minute / 60) % 24
    result = "verified"; errors = 0; verify = ",\"verify_sum\":\"0x0F16\""
    if (unit % 50 == 7) { result = "write failed"; errors = 100; verify = "" }
    else if (unit % 20 == 3 && port % 2 == 0) { result = "verify failed"; errors = 100; verify = "" }
    printf "{\"time\":\"2026-11-%02dT%02d:%02d:12+01:00\",\"host\":\"line-3\",\"station\":\"Line 3\",", day, hour, minute % 60
    printf "\"port\":\"COM%d\",\"adapter\":\"0403:6001 A5XK3RJ%d\",\"target\":1,\"chip_id\":\"0x0003\",", port, port
    printf "\"chip\":\"Philips P89V51RD\",\"image\":\"front-panel.hex\",\"image_sha256\":\"%s\",", sha
    printf "\"image_checksum\":\"0x0F16\",\"result\":\"%s\"%s,\"errors\":%d,\"erase_errors\":0,", result, verify, errors
    printf "\"write_errors\":%d,\"verify_errors\":0,\"seconds\":%.1f,\"version\":\"0.1\"}\n", errors, 22 + (n % 37) / 10
  }
}' >"$log"
echo "log: $(wc -l <"$log") lines, $(du -m "$log" | cut -f1) MB"

# Wall seconds of a report; what it printed goes to the file named first.
report() {
  out=$1
  shift
  start=$(date +%s%N)
  "$cli" report "$@" "$log" >"$out"
  end=$(date +%s%N)
  echo $((end - start)) | awk '{ printf "%.2f", $1 / 1e9 }'
}

cat "$log" >/dev/null
echo "text:       $(report "$work/text.out") s (goal: under 2)"
echo "json, html: $(report "$work/json.out" --json --html "$work/report.html") s"
grep -A1 -E "^(day|total) " "$work/text.out"
