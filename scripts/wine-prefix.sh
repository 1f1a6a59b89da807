#!/bin/sh
# Creates the project's Wine prefix once: quiet, unmanaged top-level windows
# (no 2 s wait per hide under a bare X server), and Wine's own fonts so that
# dialogs measure as on Windows.
. "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.ledgerly-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
set -e
"$WINE" wineboot -i >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*; do
  [ -e "$f" ] && cp -f "$f" "$fonts/"
done
wineserver -w
touch "$stamp"
