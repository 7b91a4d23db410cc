#!/bin/sh
# Prints the export benchmark's figure, run in the build's Cyrillic test prefix.
#   export_bench.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../harness/wine-run.sh" "$build" root-1251 "$build/tests/export_bench.exe"
