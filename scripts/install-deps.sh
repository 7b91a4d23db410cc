#!/bin/sh
# Installs, on a Debian bookworm machine, everything the build and the tests use.
# Idempotent: a second run only checks. Needs root (apt-get).
set -eu

PACKAGES="cmake make dpkg-dev nasm acl
  mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  googletest wine64 fonts-wine xvfb xauth x11-utils locales libjpeg-turbo-progs
  libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3 libxxf86vm1 libxext6
  imagemagick python3 python3-pil python3-lxml
  libreoffice-calc libreoffice-writer fonts-liberation fonts-dejavu-core"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done

# apt-get source needs a deb-src entry beside the machine's deb one.
src_list=/etc/apt/sources.list.d/debian-src.sources
need_update=""
if [ ! -e "$src_list" ] && [ -e /etc/apt/sources.list.d/debian.sources ]; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
  need_update=1
fi

if [ -n "$missing" ] || [ -n "$need_update" ]; then
  apt-get update
fi
if [ -n "$missing" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
