#!/bin/sh
# Runs a Windows test program in the Cyrillic test prefix on a virtual screen
# of its own with 8 bits a pixel, where programs draw on a palette device.
#   on_palette_screen.sh BUILD_DIR PROGRAM [ARGS...]
set -eu
build=$1
shift
harness=$(cd "$(dirname "$0")/../harness" && pwd)
# Numbers above those of the harness's own display.
for n in $(seq 141 190); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x8 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT INT TERM
  for _ in $(seq 100); do
    if [ -e "/tmp/.X11-unix/X$n" ]; then
      status=0
      DISPLAY=":$n" "$harness/wine-run.sh" "$build" root-1251 "$@" || status=$?
      # Wine closes the program's desktop a moment after it ends; the screen
      # stays until then, so that no process of the prefix is left on it.
      for _ in $(seq 100); do
        grep -qszx "DISPLAY=:$n" /proc/[0-9]*/environ || break
        sleep 0.1
      done
      exit "$status"
    fi
    sleep 0.1
  done
  kill "$xvfb" 2>/dev/null || true
  trap - EXIT INT TERM
done
echo "could not start an 8-bit Xvfb" >&2
exit 1
