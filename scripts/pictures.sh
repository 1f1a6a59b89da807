#!/bin/sh
# Renders the pictures in docs/ on a virtual display: the window at start-up,
# each page after a calculation, and the Help and About boxes.
. "$(dirname "$0")/wine-env.sh"
export LEDGERLY_EXE="$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")"
export LEDGERLY_PROBE="$(dirname "$LEDGERLY_EXE")/tests/win/probe.exe"
mkdir -p "$LEDGERLY_ROOT/docs"
exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  set -u
  docs="$LEDGERLY_ROOT/docs"
  probe() { "$WINE" "$LEDGERLY_PROBE" "$@" 2>/dev/null | tr -d "\r"; }
  click() { set -- $(probe center "$1"); xdotool mousemove "$1" "$2" click 1; }
  shot() {
    sleep 0.7
    set -- $(probe rect "$1") "$2"
    import -window root -crop "$3x$4+$1+$2" +repage "$docs/$5"
    echo "docs/$5"
  }
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  "$WINE" "$LEDGERLY_EXE" >/dev/null 2>&1 &
  [ "$(probe wait)" = ok ] || exit 1
  xdotool mousemove 700 500
  shot main ledgerly.png

  probe settext page:1010 80000
  probe settext panel:1002 8
  click page:1008
  shot main loan.png

  probe command 40005
  probe settext page:1010 10000
  probe settext panel:1002 7.80
  click page:1008
  shot main investment.png

  probe command 40006
  probe settext page:1010 200
  click page:1008
  shot main saving.png

  probe command 40004
  sleep 0.5
  shot box help.png
  click box:1
  sleep 0.3
  probe command 40002
  sleep 0.5
  shot box about.png
  click box:1
  probe command 40001
  wait
  wineserver -w'
