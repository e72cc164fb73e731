# Sourced: the environment every Wine process of this project gets.
# $1: the prefix folder. DISPLAY must already name the private X server.
export WINEPREFIX="$1"
export WINEARCH=win64
export WINEDEBUG=-all
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# No Mono or Gecko installer may pop up in a test run.
export WINEDLLOVERRIDES="mscoree=;mshtml="
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=$(command -v wine64 || command -v wine)
export WINE64
WINESERVER=$(dirname "$WINE64")/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
export WINESERVER
