#!/bin/sh
# Starts the program in the build's own Wine prefix (a Cyrillic Windows, code
# page 1251). With a display, it runs until you close it. Without one, it
# runs on a virtual display, saves a screenshot of its window into the build
# tree, says where, and closes it.
set -eu
BUILD=$(cd "$1" && pwd)
HARNESS=$(cd "$(dirname "$0")/../tests/harness" && pwd)
. "$HARNESS/wine-setup.sh"

export WINEPREFIX="$WINE_ROOT/app" WINEDEBUG=-all LOCPATH="$WINE_ROOT/locale" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
program="$BUILD/app/Tervalen.exe"

make_locale
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "Preparing a Wine prefix in $WINEPREFIX ..."
  "$WINE" wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  # Debian's Wine misses its own fonts; the window asks for "MS Sans Serif".
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Without a window manager Wine draws the window frames itself.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  exec "$WINE" "$program"
fi

trap 'stop_display' EXIT INT TERM
start_display
"$WINE" "$program" </dev/null >/dev/null 2>&1 &
geometry=""
for _ in $(seq 200); do
  info=$(xwininfo -name Tervalen 2>/dev/null || true)
  if [ -n "$info" ]; then
    x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(echo "$info" | sed -n 's/.*Width: *//p')
    h=$(echo "$info" | sed -n 's/.*Height: *//p')
    geometry="${w}x${h}+${x}+${y}"
    break
  fi
  sleep 0.1
done
if [ -z "$geometry" ]; then
  echo "The window did not appear." >&2
  exit 1
fi
sleep 1  # let the cover's first paint finish
mkdir -p "$BUILD/screenshots"
import -window root -crop "$geometry" +repage "$BUILD/screenshots/tervalen.png"
echo "Screenshot of the window: $BUILD/screenshots/tervalen.png"
"$WINE" taskkill /im Tervalen.exe >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
