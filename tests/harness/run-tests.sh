#!/bin/sh
# Runs every test: prepares fresh Wine prefixes and a virtual display for this
# run, then hands over to ctest, whose summary ends the output.
set -eu
BUILD=$(cd "$1" && pwd)
HARNESS=$(cd "$(dirname "$0")" && pwd)
. "$HARNESS/wine-setup.sh"

cleanup() {
  stop_prefixes
  stop_display
}
trap cleanup EXIT INT TERM

start_display
echo "Preparing Wine prefixes in $BUILD/wine ..."
make_prefixes
cd "$BUILD"
ctest --output-on-failure
