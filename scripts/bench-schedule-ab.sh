#!/bin/sh
# The Schedule box's benchmark of two builds side by side, alternated in one
# run on one Wine server and virtual display, so that both meet the same
# machine: before a change and after it.
# Usage: scripts/bench-schedule-ab.sh OTHER_TREE [rounds] [runs]
#   OTHER_TREE: another checkout with its i686 build made (make i686), e.g. a
#   `git worktree add` of the commit before a change. Each round runs the
#   other tree's benchmark, then this tree's, each with `runs` openings and
#   changes (21 unless told).
. "$(dirname "$0")/wine-env.sh"
other=${1:?usage: $0 OTHER_TREE [rounds] [runs]}
export LEDGERLY_AB_OTHER="$other/build/i686/bench/win/schedule_bench.exe"
export LEDGERLY_AB_THIS="$LEDGERLY_ROOT/build/i686/bench/win/schedule_bench.exe"
export LEDGERLY_AB_ROUNDS="${2:-3}" LEDGERLY_AB_RUNS="${3:-21}"
for exe in "$LEDGERLY_AB_OTHER" "$LEDGERLY_AB_THIS"; do
  [ -f "$exe" ] || { echo "no $exe: build it with make i686" >&2; exit 1; }
done
exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  wineserver -p >/dev/null 2>&1 </dev/null
  "$WINE" wineboot >/dev/null 2>&1 </dev/null
  round=1
  while [ $round -le $LEDGERLY_AB_ROUNDS ]; do
    echo "== round $round: before ($LEDGERLY_AB_OTHER)"
    "$WINE" "$LEDGERLY_AB_OTHER" $LEDGERLY_AB_RUNS
    echo "== round $round: after ($LEDGERLY_AB_THIS)"
    "$WINE" "$LEDGERLY_AB_THIS" $LEDGERLY_AB_RUNS
    round=$((round + 1))
  done
  wineserver -k; wineserver -w'
