#!/bin/sh
# Prints the benchmark figures, one line each:
#   NAME: MEDIAN UNIT (baseline: MEDIAN UNIT, ratio: R)
# Each figure is measured beside its baseline in the same run; machines here
# are noisy, so the ratio is what to read.
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
PROFILES=root-1251
make_prefixes >/dev/null

for bench in "$HARNESS"/../bench/*.sh; do
  [ -e "$bench" ] && sh "$bench" "$BUILD"
done
