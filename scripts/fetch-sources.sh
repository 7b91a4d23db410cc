#!/bin/sh
# Unpacks the Debian source packages that the Windows build compiles itself
# (libjpeg-turbo) into the given folder. Does nothing when they are there.
set -eu
dest=$1
mkdir -p "$dest"
cd "$dest"
if ! ls -d libjpeg-turbo-[0-9]* >/dev/null 2>&1; then
  apt-get source libjpeg-turbo
fi
