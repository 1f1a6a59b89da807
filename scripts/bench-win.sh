#!/bin/sh
# Benchmark under Wine on a virtual display, Ledgerly side by side with a
# minimal window program: exe sizes, start-up to idle (medians), private
# memory once idle, CPU time over 10 idle seconds; then the Schedule box's
# opening time for 1200 months on each page (bench/win/schedule_bench.cpp),
# and the time to solve a page for its term or its rate
# (bench/win/solve_bench.cpp).
. "$(dirname "$0")/wine-env.sh"
exe=$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")
dir=$(dirname "$exe")
echo "== exe sizes (stripped; goal: i686 ledgerly.exe 64 KiB or less)"
for arch in i686 x86_64; do
  for program in ledgerly.exe bench/win/minimal_window.exe; do
    file="$LEDGERLY_ROOT/build/$arch/$program"
    [ -f "$file" ] || continue
    bytes=$(wc -c < "$file")
    awk -v a="$arch" -v p="$(basename "$program")" -v b="$bytes" \
      'BEGIN { printf "%-7s %-20s %7d bytes  %5.1f KiB\n", a, p, b, b / 1024 }'
  done
done
export LEDGERLY_BENCH_ARGS="$exe $dir/bench/win/minimal_window.exe ${1:-15}"
export LEDGERLY_BENCH_DRIVER="$dir/bench/win/startup_bench.exe"
export LEDGERLY_SCHEDULE_BENCH="$dir/bench/win/schedule_bench.exe"
export LEDGERLY_SOLVE_BENCH="$dir/bench/win/solve_bench.exe"
echo "== start-up, memory, idle CPU ($(basename "$dir") build)"
exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  wineserver -p >/dev/null 2>&1 </dev/null
  "$WINE" wineboot >/dev/null 2>&1 </dev/null
  "$WINE" "$LEDGERLY_BENCH_DRIVER" $LEDGERLY_BENCH_ARGS
  rc=$?
  echo "== the Schedule box"
  "$WINE" "$LEDGERLY_SCHEDULE_BENCH" || rc=1
  echo "== solving for the term or the rate"
  "$WINE" "$LEDGERLY_SOLVE_BENCH" || rc=1
  wineserver -k; wineserver -w
  exit $rc'
