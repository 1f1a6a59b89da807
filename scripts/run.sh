#!/bin/sh
# Starts Ledgerly under Wine on the user's display. Without a display it
# starts it on a virtual one, saves a screenshot and says where.
. "$(dirname "$0")/wine-env.sh"
exe=$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")
case $exe in
  */x86_64/*) echo "This kernel runs no 32-bit programs: starting the x86_64 build." ;;
esac
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting Ledgerly on a virtual display."
  exec "$LEDGERLY_ROOT/scripts/screenshot.sh" "$LEDGERLY_ROOT/build/ledgerly-screenshot.png"
fi
"$LEDGERLY_ROOT/scripts/wine-prefix.sh"
"$WINE" "$exe"
status=$?
wineserver -w
exit $status
