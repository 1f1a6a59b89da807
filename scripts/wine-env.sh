# Sourced by the scripts that start Wine: a private, quiet prefix of the
# project's own under build/, never the user's ~/.wine.
LEDGERLY_ROOT=${LEDGERLY_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
export LEDGERLY_ROOT
export WINEPREFIX="${LEDGERLY_WINEPREFIX:-$LEDGERLY_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Where the kernel runs no 32-bit processes (wine32 fails with "Exec format
# error"), 64-bit Wine runs the 64-bit programs.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE=wine
else
  WINE=/usr/lib/wine/wine64
  export WINELOADER="$WINE"
fi
export WINE
