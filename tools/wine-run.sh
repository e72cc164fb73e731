#!/usr/bin/env bash
# Runs one test executable under wine64 in the build's private prefix.
#   wine-run.sh PREFIX EXE [ARGS...]   run EXE
#   wine-run.sh --prepare PREFIX       create the prefix once (later calls reuse it)
# Never touches ~/.wine or the user's display: make test gives DISPLAY a private Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no DISPLAY; run the tests through 'make test', which starts a private Xvfb" >&2
  exit 2
fi

prepare() {
  local prefix=$1
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.tarvessa-ready" ]; then
    rm -rf "$prefix"
    source "$here/wine-env.sh" "$prefix"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # No window manager under Xvfb: unmanaged windows hide and go without a 2 s stall.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINESERVER" -w || true
    touch "$prefix/.tarvessa-ready"
  fi
}

if [ "${1:-}" = "--prepare" ]; then
  prepare "$2"
  exit 0
fi

prefix=$1; shift
prepare "$prefix"
source "$here/wine-env.sh" "$prefix"
exec "$WINE64" "$@"
