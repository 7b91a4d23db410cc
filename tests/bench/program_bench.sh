#!/bin/sh
# Prints the program benchmark's figures: Tervalen and a minimal window
# program, started in the build's Cyrillic test prefix on the display that
# run-bench.sh opened.
#   program_bench.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../harness/wine-run.sh" "$build" root-1251 "$build/tests/program_bench.exe"
