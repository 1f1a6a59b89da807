#!/bin/sh
# Runs every benchmark program of the native bench build (make bench-build).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for program in $(find "$root/build/bench" -type f -name "bench_*" | sort); do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" "$@" || status=1
done
exit $status
