#!/bin/sh
# The Help box's worked example, done as a person does it: the built program
# runs under Wine, the mouse clicks the keypad keys, the labels and
# "Calculate It" at their places on the screen (xdotool), and a second
# process reads the fields back. Then Exit, and the exit code must be 0.
# Usage: e2e.sh ledgerly.exe probe.exe   (inside an X display)
set -u
LEDGERLY_ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
. "$LEDGERLY_ROOT/scripts/wine-env.sh"
exe=$1
probe_exe=$2
passed=0
failed=0

probe() { "$WINE" "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }

# A real mouse click in the middle of a window of the program.
click() {
  set -- $(probe center "$1")
  xdotool mousemove "$1" "$2" click 1
}

# Waits up to 5 s for a window's text, then records the check.
expect() {
  target=$1 want=$2 got=""
  for i in $(seq 25); do
    got=$(probe text "$target")
    [ "$got" = "$want" ] && break
    sleep 0.2
  done
  if [ "$got" = "$want" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $target: expected \"$want\", got \"$got\""
  fi
}

keys() {
  for key in "$@"; do
    case $key in
      0) id=1018 ;; 1) id=1017 ;; 2) id=1021 ;; 3) id=1025 ;; 4) id=1016 ;;
      5) id=1020 ;; 6) id=1024 ;; 7) id=1015 ;; 8) id=1019 ;; 9) id=1023 ;;
      C) id=1035 ;; CE) id=1034 ;;
    esac
    click panel:$id
  done
}

"$WINE" "$exe" >/dev/null 2>&1 &
program=$!
if [ "$(probe wait)" != "ok" ]; then
  echo "FAILED: the window did not appear"
  kill $program 2>/dev/null
  echo "e2e: 0 passed, 1 failed"
  exit 1
fi

# Type 80000 on the keypad and send it to the Loan field.
keys 8 0 0 0 0
expect panel:1030 "80000"
click page:1034
expect page:1010 "80000"
# Clear, then 360 to the Month box and 8 to the Interest Rate box.
keys C
expect panel:1030 ""
keys 3 6 0
click panel:1038
expect panel:1001 "360"
keys C 8
click panel:1039
expect panel:1002 "8"
keys C
# Calculate It.
click page:1008
expect page:1005 "587.01"
expect page:1010 "80000.00"
expect panel:1002 "8.00"
expect panel:1001 "360"

# Exit from the menu; the program ends with exit code 0. The pointer goes
# back to the corner, out of the way of the tests that follow.
probe command 40001
xdotool mousemove 0 0
wait $program
code=$?
if [ $code -eq 0 ]; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAILED: exit code $code"; fi
echo "e2e: $passed passed, $failed failed"
[ $failed -eq 0 ]
