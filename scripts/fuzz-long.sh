#!/bin/sh
# Long fuzzing run: every fuzz target in build/fuzz, one after another, for
# SECONDS each (default 600), keeping a corpus per target in build/fuzz/corpus.
#   scripts/fuzz-long.sh [SECONDS]      (make fuzz-long builds first)
set -u
seconds=${1:-600}
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/fuzz"
status=0
found=0
for target in $(find "$dir" -path "$dir/corpus" -prune -o -type f -name "*_fuzz" -print | sort); do
  [ -x "$target" ] || continue
  found=1
  name=$(basename "$target")
  corpus="$dir/corpus/$name"
  mkdir -p "$corpus" "$dir/artifacts"
  echo "== $name: $seconds s"
  "$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$name-" || status=1
done
if [ "$found" = 0 ]; then
  echo "no fuzz targets in $dir (run make fuzz)" >&2
  exit 1
fi
exit $status
