#!/usr/bin/env bash
# Translates the module of the bundled example .md into C++ with the real
# command-line run: stgpick, infrax, then the translator.
set -eu
build=${1:-build}
source=examples/example.md
output=$build/example.cpp
"$build/bin/zandor" "$source" "$output"
echo "demo: the module of $source is translated; the C++ is in $output (Windows-1251)."
echo "demo: its first lines, shown in UTF-8:"
head -n 20 "$output" | iconv -f CP1251 -t UTF-8
