#!/bin/sh
# Runs every test: prepares fresh Wine prefixes and a virtual display for this
# run, then hands over to ctest, whose summary ends the output.
set -eu
BUILD=$(cd "$1" && pwd)
HARNESS=$(cd "$(dirname "$0")" && pwd)
. "$HARNESS/wine-setup.sh"

cleanup() {
  [ -n "${WATCHER_PID:-}" ] && kill "$WATCHER_PID" 2>/dev/null
  stop_prefixes
  stop_display
}
trap cleanup EXIT INT TERM

start_display
# Screenshots the tests ask for land here, with the results.
export TERVALEN_SHOT_DIR="$BUILD/screenshots"
mkdir -p "$TERVALEN_SHOT_DIR"
chmod 1777 "$TERVALEN_SHOT_DIR"
"$HARNESS/shot-watcher.sh" "$TERVALEN_SHOT_DIR" </dev/null >/dev/null 2>&1 &
WATCHER_PID=$!
echo "Preparing Wine prefixes in $BUILD/wine ..."
make_prefixes
cd "$BUILD"
ctest --output-on-failure
