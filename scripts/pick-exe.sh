#!/bin/sh
# Prints the ledgerly.exe to run here: the i686 product, or the x86_64 build
# where the kernel runs no 32-bit processes (and so no 32-bit Wine).
. "$(dirname "$0")/wine-env.sh"
if [ "$WINE" = wine ]; then
  echo "$LEDGERLY_ROOT/build/i686/ledgerly.exe"
else
  echo "$LEDGERLY_ROOT/build/x86_64/ledgerly.exe"
fi
