#!/bin/sh
# Runs a test program in the Wine prefix of a display setting, with a Wine
# server of its own started before and stopped after it (the project's
# server, for the project's prefix, keeps running meanwhile):
#   settings.sh DPI FONTS program.exe [WIDTHxHEIGHT]    (inside an X display)
# The program is given the setting as its arguments: DPI FONTS. With a
# screen size, it runs on a virtual display of its own of that size, whose
# work area (the root window's _NET_WORKAREA, which Wine reads as a desktop's
# would; the display must not reset when xprop leaves) leaves 40 pixels at
# the bottom to a taskbar, as on Windows.
set -u
if [ $# -ge 4 ]; then
  width=${4%x*} height=${4#*x}
  LEDGERLY_WORKAREA="0, 0, $width, $((height - 40))" \
    exec xvfb-run -a -s "-screen 0 ${4}x24 -noreset" sh "$0" "$1" "$2" "$3"
fi
if [ -n "${LEDGERLY_WORKAREA:-}" ]; then
  xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$LEDGERLY_WORKAREA"
fi
LEDGERLY_ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
. "$LEDGERLY_ROOT/scripts/wine-env.sh"
dpi=$1 fonts=$2 program=$3
WINEPREFIX=$("$LEDGERLY_ROOT/scripts/wine-setting.sh" "$dpi" "$fonts") || exit 1
export WINEPREFIX
wineserver -p >/dev/null 2>&1 </dev/null
"$WINE" wineboot >/dev/null 2>&1 </dev/null
"$WINE" "$program" "$dpi" "$fonts"
rc=$?
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
exit $rc
