#!/bin/sh
# Prints the cover benchmark's figures, run in the build's Cyrillic test prefix.
#   cover_bench.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../harness/wine-run.sh" "$build" root-1251 "$build/tests/cover/cover_bench.exe"
