#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -eu
# clang and its runtime build the fuzz targets; xvfb takes the screenshots.
packages="cmake ninja-build g++ make libgtest-dev libbenchmark-dev zlib1g-dev
          qt6-base-dev clang libclang-rt-14-dev xvfb xauth"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq $missing >/dev/null
