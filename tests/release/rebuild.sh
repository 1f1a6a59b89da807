#!/bin/sh
# Builds the i686 program a second time from scratch in another folder and
# compares it byte for byte with the first build.
# Usage: rebuild.sh SOURCE_DIR FIRST_EXE SCRATCH_DIR
set -eu
src=$1 first=$2 scratch=$3
rm -rf "$scratch"
cmake -S "$src" -B "$scratch" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE="$src/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$scratch" --target ledgerly -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
if cmp "$first" "$scratch/ledgerly.exe"; then
  echo "two clean builds: identical ($(wc -c < "$first") bytes)"
  rm -rf "$scratch"
else
  echo "two clean builds differ: $first $scratch/ledgerly.exe"
  exit 1
fi
