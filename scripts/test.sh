#!/bin/sh
# Runs every test through one CTest run: the native units, the fuzzers' short
# runs, and the Windows test programs under Wine on a virtual display.
# The Wine server is started before CTest and stopped after it, so no test
# inherits it and nothing is left running.
set -u
. "$(dirname "$0")/wine-env.sh"
cd "$LEDGERLY_ROOT/build" || exit 1
# Wine takes the user's language from the environment: every test runs in
# one that writes a decimal point, whatever the machine's, but for those
# that set another themselves.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Wine lists the printers of the CUPS scheduler CUPS_SERVER names: here
# none, whatever the machine has; the printing test starts one of its own.
export CUPS_SERVER="$LEDGERLY_ROOT/build/no-printer.sock"

# One CTest tree over every build folder.
{
  echo "# Every test of every build"
  for d in native fuzz i686 x86_64; do
    [ -f "$d/CTestTestfile.cmake" ] && echo "subdirs(\"$d\")"
  done
} > CTestTestfile.cmake

cat > run-ctest.sh <<'INNER'
#!/bin/sh
"$LEDGERLY_ROOT/scripts/wine-prefix.sh"
wineserver -p >/dev/null 2>&1 </dev/null
"$WINE" wineboot >/dev/null 2>&1 </dev/null
ctest --output-on-failure --timeout 300 -j 2 "$@"
rc=$?
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
exit $rc
INNER
chmod +x run-ctest.sh
exec xvfb-run -a -s "-screen 0 1024x768x24" ./run-ctest.sh "$@"
