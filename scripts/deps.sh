#!/bin/sh
# Installs what building, running and testing Ledgerly needs on Debian,
# and only what is missing. Works as root; uses sudo otherwise.
# Usage: scripts/deps.sh [build|test|run|all]
set -e
what=${1:-all}

need_build="cmake make g++ python3 g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 clang libclang-rt-14-dev libbenchmark-dev"
need_wine="wine wine32:i386 wine64 xvfb xauth x11-utils fonts-wine fonts-dejavu-core fonts-liberation2 xdotool"
# Printing tests: a CUPS scheduler of the test's own (Wine lists only a
# scheduler's printers), and the client library for 32-bit Wine too.
need_print="cups-daemon cups-client libcups2:i386"
need_run="imagemagick ghostscript"

case $what in
  build) pkgs="$need_build" ;;
  test)  pkgs="$need_build $need_wine $need_print" ;;
  run)   pkgs="$need_build $need_wine $need_print $need_run" ;;
  all)   pkgs="$need_build $need_wine $need_print $need_run" ;;
  *) echo "usage: $0 [build|test|run|all]" >&2; exit 2 ;;
esac

missing=""
for p in $pkgs; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "Installing:$missing"
case "$missing" in
  *:i386*)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      $SUDO dpkg --add-architecture i386
    fi ;;
esac
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
