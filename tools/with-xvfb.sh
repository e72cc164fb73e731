#!/usr/bin/env bash
# with-xvfb.sh PREFIX COMMAND...: runs COMMAND with DISPLAY on a private Xvfb,
# then stops that prefix's wineserver and the X server, whatever COMMAND did.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1920x1080x24 -nolisten tcp -noreset 5>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 num <"$fifo" || num=
rm -f "$fifo"
if [ -z "$num" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  kill "$xvfb" 2>/dev/null
  exit 2
fi
export DISPLAY=":$num"

stop() {
  if [ -d "$prefix" ]; then
    ( source "$here/wine-env.sh" "$prefix"; "$WINESERVER" -k 2>/dev/null ) || true
  fi
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}
trap stop EXIT INT TERM

"$@"
