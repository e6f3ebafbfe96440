#!/bin/sh
# Installs, without questions, whatever the build and the tests need and the
# machine lacks (Debian 12).
set -e
packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-multimedia-dev \
  fonts-wqy-microhei libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev file dpkg-dev help2man"
# Or only those named, for a step of its own.
[ $# -eq 0 ] || packages="$*"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
