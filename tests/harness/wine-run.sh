#!/bin/sh
# Runs a Windows executable in one of the test prefixes that run-tests.sh made.
#   wine-run.sh BUILD_DIR PROFILE PROGRAM [ARGS...]
# PROFILE: root-1251 (a Cyrillic Windows), root-1251-limited (the same, with
# writes past 1 MiB failing as on a full disk), root-1252 (a Western Windows),
# root-1251-120dpi (a Cyrillic Windows on a 120 dpi screen), user-1251 (a
# Cyrillic Windows as an unprivileged user, for file permissions).
set -eu
build=$1 profile=$2
shift 2
wine_root=$build/wine
wine=/usr/lib/wine/wine64

set -- WINEDEBUG=-all LOCPATH="$wine_root/locale" DISPLAY="${DISPLAY:-}" "$wine" "$@"
case $profile in
  root-1251)
    exec env WINEPREFIX="$wine_root/root-1251" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TERVALEN_TEST_CODE_PAGE=1251 "$@" ;;
  root-1251-limited)
    # SIGXFSZ ignored: the write fails with an error instead of killing the process.
    trap '' XFSZ
    ulimit -f 1024
    exec env WINEPREFIX="$wine_root/root-1251" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TERVALEN_TEST_CODE_PAGE=1251 "$@" ;;
  root-1251-120dpi)
    exec env WINEPREFIX="$wine_root/root-1251-120dpi" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TERVALEN_TEST_CODE_PAGE=1251 "$@" ;;
  root-1252)
    exec env WINEPREFIX="$wine_root/root-1252" LANG=C.UTF-8 LC_ALL=C.UTF-8 TERVALEN_TEST_CODE_PAGE=1252 "$@" ;;
  user-1251)
    if [ "$(id -u)" -eq 0 ]; then
      exec runuser -u tervalen-test -- env HOME="$wine_root/user-home" WINEPREFIX="$wine_root/user-1251" \
        LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TERVALEN_TEST_CODE_PAGE=1251 "$@"
    fi
    exec env WINEPREFIX="$wine_root/user-1251" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TERVALEN_TEST_CODE_PAGE=1251 "$@" ;;
  *)
    echo "wine-run.sh: unknown profile $profile" >&2
    exit 2 ;;
esac
