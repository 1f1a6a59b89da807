#!/bin/sh
# Start-up benchmark under Wine on a virtual display: Ledgerly against a
# minimal window program, alternately, medians printed side by side.
. "$(dirname "$0")/wine-env.sh"
exe=$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")
dir=$(dirname "$exe")
export LEDGERLY_BENCH_ARGS="$exe $dir/bench/win/minimal_window.exe ${1:-15}"
export LEDGERLY_BENCH_DRIVER="$dir/bench/win/startup_bench.exe"
echo "== start-up ($(basename "$dir") build)"
exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  wineserver -p >/dev/null 2>&1 </dev/null
  "$WINE" wineboot >/dev/null 2>&1 </dev/null
  "$WINE" "$LEDGERLY_BENCH_DRIVER" $LEDGERLY_BENCH_ARGS
  rc=$?
  wineserver -k; wineserver -w
  exit $rc'
