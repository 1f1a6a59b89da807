#!/bin/sh
# Runs a test program in the Wine prefix of a display setting, with a Wine
# server of its own started before and stopped after it (the project's
# server, for the project's prefix, keeps running meanwhile):
#   settings.sh DPI FONTS program.exe     (inside an X display)
# The program is given the setting as its arguments: DPI FONTS.
set -u
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
