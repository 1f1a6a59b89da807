#!/bin/sh
# Long fuzzing run: every fuzz target in build/fuzz, one after another, each
# for RUNS executions (default 10^7) or SECONDS (default 3600), whichever
# comes first, keeping a corpus per target in build/fuzz/corpus; prints each
# target's executions and time.
#   scripts/fuzz-long.sh [SECONDS [RUNS]]      (make fuzz-long builds first)
set -u
seconds=${1:-3600}
runs=${2:-10000000}
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/fuzz"
status=0
found=0
for target in $(find "$dir" -path "$dir/corpus" -prune -o -type f -name "*_fuzz" -print | sort); do
  [ -x "$target" ] || continue
  found=1
  name=$(basename "$target")
  # The longest input each target reads, as in its CTest run.
  case $name in
    keypad_fuzz) limit=64 ;;
    numtext_format_fuzz) limit=16 ;;
    *) limit=4096 ;;
  esac
  corpus="$dir/corpus/$name"
  mkdir -p "$corpus" "$dir/artifacts"
  echo "== $name: $runs runs or $seconds s"
  start=$(date +%s)
  log="$dir/artifacts/$name.log"
  if ! "$target" "$corpus" -runs="$runs" -max_total_time="$seconds" -max_len="$limit" \
      -print_final_stats=1 -artifact_prefix="$dir/artifacts/$name-" >"$log" 2>&1; then
    status=1
    tail -n 30 "$log"
  fi
  echo "   $(grep -m1 '^stat::number_of_executed_units' "$log" | tr -s ' ' | cut -d' ' -f2)" \
    "executions in $(($(date +%s) - start)) s (log: $log)"
done
if [ "$found" = 0 ]; then
  echo "no fuzz targets in $dir (run make fuzz)" >&2
  exit 1
fi
exit $status
