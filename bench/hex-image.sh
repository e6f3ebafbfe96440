#!/bin/sh
# Writes an Intel HEX image of SIZE bytes (16-byte records with their
# checksums, then the end record) to standard output, for the benchmarks.
#
#   bench/hex-image.sh SIZE
awk -v size="$1" 'BEGIN {
  for (at = 0; at < size; at += 16) {
    line = sprintf(":10%04X00", at)
    sum = 16 + int(at / 256) + at % 256
    for (k = 0; k < 16; ++k) {
      b = (at + k) * 7 % 251
      sum += b
      line = line sprintf("%02X", b)
    }
    printf "%s%02X\r\n", line, (256 - sum % 256) % 256
  }
  printf ":00000001FF\r\n"
}'
