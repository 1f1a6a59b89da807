#!/bin/sh
# Prints the Wine prefix of a display setting, making it first if needed:
#   wine-setting.sh DPI FONTS      DPI 96, 120 or 144; FONTS wine or default
# "wine" keeps Wine's own fonts in windows/Fonts, as the project's prefix
# has them (dialogs measure as on Windows); "default" removes them, as in a
# default prefix, where a wider font stands in for "MS Sans Serif".
# A setting's prefix is a copy of the project's prefix under build/, with
# hard links for drive_c (about 700 MB that nothing writes into; a plain copy
# where the file system has no hard links) and copies of the registry files,
# in which LogPixels is set. The DPI is read when a Wine server starts, so
# each setting needs a server of its own.
. "$(dirname "$0")/wine-env.sh"
dpi=$1
fonts=$2
case $dpi in 96 | 120 | 144) ;; *) echo "wine-setting.sh: DPI 96, 120 or 144" >&2; exit 2 ;; esac
case $fonts in wine | default) ;; *) echo "wine-setting.sh: fonts wine or default" >&2; exit 2 ;; esac
base=$WINEPREFIX
prefix="$LEDGERLY_ROOT/build/wineprefix-$dpi-$fonts"
stamp="$prefix/.ledgerly-ready"
if [ ! -f "$stamp" ]; then
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh" || exit 1
  rm -rf "$prefix"
  mkdir -p "$prefix"
  cp -al "$base/drive_c" "$prefix/drive_c" 2>/dev/null ||
    { rm -rf "$prefix/drive_c"; cp -a "$base/drive_c" "$prefix/drive_c"; } || exit 1
  cp -a "$base/dosdevices" "$base/.update-timestamp" "$base"/*.reg "$prefix/" || exit 1
  if [ "$fonts" = default ]; then
    for f in /usr/share/wine/fonts/*; do
      rm -f "$prefix/drive_c/windows/Fonts/$(basename "$f")"
    done
  fi
  value=$(printf 'dword:%08x' "$dpi")
  for reg in user.reg system.reg; do
    sed -i "s/^\"LogPixels\"=dword:[0-9a-f]*/\"LogPixels\"=$value/" "$prefix/$reg"
    if ! grep -q "^\"LogPixels\"=$value" "$prefix/$reg"; then
      echo "wine-setting.sh: no LogPixels in $reg" >&2
      exit 1
    fi
  done
  touch "$stamp"
fi
echo "$prefix"
