# Sourced by the harness scripts: the build's own Wine prefixes, a virtual
# X display, and the shell probe registered as the documents' application.
# Needs BUILD (absolute) and HARNESS set.

WINE=/usr/lib/wine/wine64
WINE_ROOT=$BUILD/wine
TEST_USER=tervalen-test
PROFILES="root-1251 root-1252 root-1251-120dpi user-1251"

make_locale() {
  # Wine takes the system code page from the Unix locale; ru_RU.UTF-8 gives 1251.
  if [ ! -d "$WINE_ROOT/locale/ru_RU.UTF-8" ]; then
    mkdir -p "$WINE_ROOT/locale"
    localedef -i ru_RU -f UTF-8 "$WINE_ROOT/locale/ru_RU.UTF-8"
  fi
}

start_display() {
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # -ac: the unprivileged test user's programs use the display too.
    Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp -ac >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_display() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# in_prefix PROFILE COMMAND...: runs a Windows command in that test prefix.
in_prefix() {
  profile=$1
  shift
  "$HARNESS/wine-run.sh" "$BUILD" "$profile" "$@"
}

wineserver_of() {
  profile=$1
  shift
  if [ "$profile" = user-1251 ] && [ "$(id -u)" -eq 0 ]; then
    runuser -u "$TEST_USER" -- env WINEPREFIX="$WINE_ROOT/$profile" /usr/lib/wine/wineserver "$@"
  else
    env WINEPREFIX="$WINE_ROOT/$profile" /usr/lib/wine/wineserver "$@"
  fi
}

# The unprivileged test user runs the build's executables and its own prefix
# inside the build tree; where a folder above it is closed to others (a
# private checkout), that one user alone is let through, search only.
let_test_user_reach() {
  dir=""
  for part in $(echo "$1" | tr '/' ' '); do
    dir="$dir/$part"
    if ! runuser -u "$TEST_USER" -- test -x "$dir" 2>/dev/null; then
      setfacl -m "u:$TEST_USER:--x" "$dir"
      echo "let $TEST_USER search $dir" >&2
    fi
  done
}

# make_prefix PROFILE: a fresh prefix with Wine's fonts and the shell probe.
make_prefix() {
  profile=$1
  prefix=$WINE_ROOT/$profile
  in_prefix "$profile" wineboot -i >/dev/null 2>&1
  wineserver_of "$profile" -w
  # Debian's Wine misses its own fonts; without them "MS Sans Serif" and
  # Tahoma silently become other faces.
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  mkdir -p "$prefix/drive_c/probe"
  cp "$BUILD/tests/shell_probe.exe" "$prefix/drive_c/probe/"
  cp "$HARNESS/shell-probe.reg" "$prefix/drive_c/probe/"
  # The probe writes its log there, as whoever runs the prefix.
  [ "$profile" = user-1251 ] && [ "$(id -u)" -eq 0 ] && chown -R "$TEST_USER" "$prefix/drive_c/probe"
  in_prefix "$profile" reg import 'C:\probe\shell-probe.reg' >/dev/null 2>&1
  # With no window manager on the virtual display, Wine draws the frames
  # itself, so captions show in screenshots and the title bar takes clicks.
  in_prefix "$profile" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  if [ "$profile" = root-1251-120dpi ]; then
    in_prefix "$profile" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f >/dev/null 2>&1
  fi
  wineserver_of "$profile" -w
  # Keep one server running for the whole run: a file-size limit set for a
  # test must not reach the server that saves the registry.
  wineserver_of "$profile" -p </dev/null >/dev/null 2>&1
  # Wine's background services start with the first program a server runs and
  # keep its output open; started here, they cannot hold a test's output open.
  in_prefix "$profile" cmd /c exit </dev/null >/dev/null 2>&1
}

make_prefixes() {
  make_locale
  for profile in $PROFILES user-home; do
    rm -rf "${WINE_ROOT:?}/$profile"
    mkdir -p "$WINE_ROOT/$profile"
  done
  if [ "$(id -u)" -eq 0 ] && echo "$PROFILES" | grep -q user-1251; then
    id "$TEST_USER" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$TEST_USER"
    chown "$TEST_USER" "$WINE_ROOT/user-1251" "$WINE_ROOT/user-home"
    let_test_user_reach "$BUILD"
  fi
  pids=""
  for profile in $PROFILES; do
    make_prefix "$profile" &
    pids="$pids $!"
  done
  for pid in $pids; do
    wait "$pid"
  done
}

stop_prefixes() {
  for profile in $PROFILES; do
    wineserver_of "$profile" -k >/dev/null 2>&1 || true
  done
}
