#!/usr/bin/env bash
# Takes a picture of each dialog of zandor on a virtual X display (Xvfb) and
# puts them into docs/screenshots/.
set -eu
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target gui_screenshots -j 2 >/dev/null
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
    "$build/bin/gui_screenshots" docs/screenshots
ls docs/screenshots
