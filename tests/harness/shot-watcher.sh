#!/bin/sh
# Takes screenshots for the tests that run under Wine: a test writes
# NAME.request holding "LEFT TOP WIDTH HEIGHT" (screen pixels) into DIR, and
# gets NAME.bmp (24-bit, for its checks) and NAME.png (for people) back.
# Wine draws what a program shows into the X display; only a capture of the
# display sees it, not one made through the screen's device context.
dir=$1
while :; do
  for request in "$dir"/*.request; do
    [ -e "$request" ] || continue
    name=${request%.request}
    read -r left top width height < "$request" || continue
    geometry="${width}x${height}+${left}+${top}"
    import -window root -crop "$geometry" +repage "$name.png" 2>/dev/null
    convert "$name.png" -type TrueColor "bmp3:$name.tmp" 2>/dev/null && mv "$name.tmp" "$name.bmp"
    rm -f "$request"
  done
  sleep 0.1
done
