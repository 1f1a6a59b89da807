# Sourced by the scripts that start Wine: a private, quiet prefix of the
# project's own under build/, never the user's ~/.wine.
LEDGERLY_ROOT=$(cd "$(dirname "$0")/.." && pwd)
export LEDGERLY_ROOT
export WINEPREFIX="${LEDGERLY_WINEPREFIX:-$LEDGERLY_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
