#!/bin/sh
# Renders the pictures in docs/ on a virtual display: the window at start-up,
# each page after a calculation, a result too long for its field and a number
# too long for the display, the Loan page solved for the rate, the Help and
# About boxes, the Loan page's schedule, without and with extra payments, and
# its first printed page (printed to the printer of a CUPS scheduler of the
# tests' own, tests/win/schedule/printer.sh, and drawn from the job's
# PostScript by Ghostscript), and the Loan Cost box; then the worked example
# at 120 and 144 DPI and in a default Wine prefix (without Wine's bitmap fonts), each in
# a prefix and with a Wine server of its own.
. "$(dirname "$0")/wine-env.sh"
export LEDGERLY_EXE="$(sh "$LEDGERLY_ROOT/scripts/pick-exe.sh")"
export LEDGERLY_PROBE="$(dirname "$LEDGERLY_EXE")/tests/win/shell/probe.exe"
mkdir -p "$LEDGERLY_ROOT/docs"
exec xvfb-run -a -s "-screen 0 1024x768x24" \
  sh "$LEDGERLY_ROOT/tests/win/schedule/printer.sh" "$LEDGERLY_ROOT/build/pictures-printer" sh -c '
  set -u
  spool=$1
  docs="$LEDGERLY_ROOT/docs"
  probe() { "$WINE" "$LEDGERLY_PROBE" "$@" 2>/dev/null | tr -d "\r"; }
  click() { set -- $(probe center "$1"); xdotool mousemove "$1" "$2" click 1; }
  shot() {
    sleep 0.7
    set -- $(probe rect "$1") "$2"
    import -window root -crop "$3x$4+$1+$2" +repage "$docs/$5"
    echo "docs/$5"
  }
  "$LEDGERLY_ROOT/scripts/wine-prefix.sh"
  "$WINE" "$LEDGERLY_EXE" >/dev/null 2>&1 &
  [ "$(probe wait)" = ok ] || exit 1
  xdotool mousemove 700 500
  shot main ledgerly.png

  probe settext page:1010 80000
  probe settext panel:1002 8
  click page:1008
  shot main loan.png

  probe command 40005
  probe settext page:1010 10000
  probe settext panel:1002 7.80
  click page:1008
  shot main investment.png

  probe command 40006
  probe settext page:1010 200
  click page:1008
  shot main saving.png

  # 1 at 100 percent over 1200 months: 42 digits, marked, whole in the tip;
  # and 1000000 / 7 on the keypad, marked in the display.
  probe command 40005
  probe settext page:1010 1
  probe settext panel:1001 1200
  probe settext panel:1002 100
  click page:1008
  for key in 1035 1017 1018 1018 1018 1018 1018 1018 1027 1015 1036; do
    click panel:$key
    sleep 0.1
  done
  set -- $(probe center page:1005)
  xdotool mousemove "$1" "$2"
  sleep 1.5
  set -- $(probe rect main)
  import -window root -crop "$(($3 + 60))x$4+$1+$2" +repage "$docs/long-result.png"
  echo docs/long-result.png
  xdotool mousemove 700 500

  # The Loan page solved for the rate: 300000 paid back at 1822.83 a month
  # over 360 months is a loan at 6.125 %.
  click panel:1035
  probe command 40003
  probe settext panel:1001 360
  probe settext panel:1002 7.80
  probe settext page:1010 300000
  probe settext page:1005 1822.83
  probe command 40013
  shot main solve-rate.png
  probe settext page:1010 80000  # the loan of the worked example, for its schedule below

  probe command 40004
  sleep 0.5
  shot box help.png
  click box:1
  sleep 0.3
  probe command 40002
  sleep 0.5
  shot box about.png
  click box:1
  sleep 0.3

  # The month-by-month statement of the worked example (last: after a box has
  # closed, Wine may leave the main window drawn inactive).
  probe command 40003
  probe settext panel:1001 360
  probe settext panel:1002 8
  probe command 40011
  sleep 0.5
  shot box schedule.png
  # The same loan paid 100 more each month: the column of extras, and the
  # note that says what they save.
  probe settext box:1047 100
  shot box schedule-extras.png
  probe settext box:1047 ""
  # Printed: Print, then OK in the Print dialog, which lies on top.
  click box:1054
  sleep 1
  click box:1
  for i in $(seq 100); do
    [ -s "$spool/d00001-001" ] && break
    sleep 0.1
  done
  sleep 0.5
  gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r80 -dTextAlphaBits=4 \
    -dGraphicsAlphaBits=4 -dFirstPage=1 -dLastPage=1 -sOutputFile="$docs/print.png" \
    "$spool/d00001-001" && echo docs/print.png
  click box:1
  sleep 0.3
  # What a loan of 160000 at 5.50 % over 360 months costs with fees of 750
  # and 2 points: the Loan Cost box.
  probe settext panel:1002 5.50
  probe settext page:1010 160000
  probe command 40014
  sleep 0.5
  probe settext box:1055 750
  probe settext box:1056 2
  shot box loan-cost.png
  click box:2
  sleep 0.3
  probe command 40001
  wait
  wineserver -w

  # The worked example at another setting.
  setting() {
    WINEPREFIX=$("$LEDGERLY_ROOT/scripts/wine-setting.sh" "$1" "$2") || exit 1
    export WINEPREFIX
    wineserver -p >/dev/null 2>&1 </dev/null
    "$WINE" wineboot >/dev/null 2>&1 </dev/null
    "$WINE" "$LEDGERLY_EXE" >/dev/null 2>&1 &
    [ "$(probe wait)" = ok ] || exit 1
    probe settext page:1010 80000
    probe settext panel:1002 8
    click page:1008
    xdotool mousemove 1000 750
    shot main "$3"
    probe command 40001
    wait
    wineserver -k
    wineserver -w
  }
  setting 120 wine dpi120.png
  setting 144 wine dpi144.png
  setting 96 default default-prefix.png' sh
