#!/bin/sh
# Takes a picture of Ledgerly's window at start-up on a virtual display:
# scripts/screenshot.sh [out.png] (default docs/ledgerly.png).
. "$(dirname "$0")/wine-env.sh"
out=${1:-$LEDGERLY_ROOT/docs/ledgerly.png}
case $out in /*) ;; *) out=$PWD/$out ;; esac
mkdir -p "$(dirname "$out")"
export LEDGERLY_SHOT="$out"
export LEDGERLY_EXE="$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")"
exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  "$WINE" "$LEDGERLY_EXE" >/dev/null 2>&1 &
  for i in $(seq 100); do
    xdotool search --name "^Ledgerly\$" >/dev/null 2>&1 && break
    sleep 0.1
  done
  # Wait until the window has been painted: the title bar is no longer black.
  for i in $(seq 50); do
    sleep 0.2
    c=$(import -window root -crop 1x1+100+15 txt:- 2>/dev/null | tail -1)
    case $c in *"#000000"*) ;; *) break ;; esac
  done
  sleep 0.5
  import -window root -crop 474x227+10+10 +repage "$LEDGERLY_SHOT"
  wineserver -k
  wineserver -w
  echo "Screenshot: $LEDGERLY_SHOT"'
