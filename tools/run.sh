#!/usr/bin/env bash
# Starts the launcher under Wine: the 32-bit product where this host can run
# 32-bit programs, else the 64-bit build of the same sources.
# With no DISPLAY it runs on a private Xvfb, saves a screenshot and prints its path.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
exe32=$build/i686/Tarvessa.exe
exe64=$build/x86_64/Tarvessa.exe

# The 32-bit loader comes with Debian's wine32 package, on hosts that can run it.
wine32=
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  wine32=/usr/lib/wine/wine
fi

if [ -n "${DISPLAY:-}" ]; then
  prefix=$build/run-prefix
  "$here/wine-run.sh" --prepare "$prefix"
  source "$here/wine-env.sh" "$prefix"
  exe=$exe64
  if [ -n "$wine32" ]; then
    exe=$exe32; WINE64=$wine32
  fi
  echo "Starting $exe"
  exec "$WINE64" "$exe"
fi

prefix=$build/run-prefix
shot=$build/screenshot.png
"$here/with-xvfb.sh" "$prefix" bash -c '
  set -e
  "$1/wine-run.sh" --prepare "$2"
  source "$1/wine-env.sh" "$2"
  "$WINE64" "$3" &
  pid=$!
  # Wait until the launcher has a visible top-level window, then photograph the screen.
  for i in $(seq 1 150); do
    if xwininfo -root -tree 2>/dev/null | grep -q "Tarvessa"; then break; fi
    sleep 0.2
  done
  sleep 1
  import -window root "$4"
  "$WINESERVER" -k || true
  wait $pid 2>/dev/null || true
' _ "$here" "$prefix" "$exe64" "$shot"
echo "Screenshot: $shot"
