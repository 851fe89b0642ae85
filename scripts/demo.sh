#!/usr/bin/env bash
# Runs the main job on the bundled example.
set -eu
build=${1:-build}
echo "demo: nothing to run yet"
