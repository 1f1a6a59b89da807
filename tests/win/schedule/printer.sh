#!/bin/sh
# Runs a command with one printer for Wine: a CUPS scheduler of its own in
# a folder, never the machine's, with a raw queue whose jobs go nowhere but
# stay in the spool folder, where they can be read back:
#   printer.sh FOLDER command [arguments...]
# Wine lists the printers of the scheduler that CUPS_SERVER names. The
# command is given the spool folder (a Linux path) after its arguments.
# The folder is made afresh each time, so the first job is d00001-001
# (its attributes c00001); the scheduler is stopped by its process id when
# the command ends. Run as root (the scheduler then runs its jobs as lp).
set -u
dir=$1
shift
rm -rf "$dir"
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd"
cat > "$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing Off
WebInterface No
PreserveJobFiles Yes
PreserveJobHistory Yes
DirtyCleanInterval 0
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
# As root the scheduler runs its jobs as lp, never as root: the folders it
# writes into are lp's group's.
cat > "$dir/cups-files.conf" <<EOF
User lp
Group lp
SystemGroup root
FileDevice Yes
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
EOF
chgrp -R lp "$dir" 2>/dev/null
chmod -R g+rwX "$dir"
chmod 755 "$dir"
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
scheduler=$!
export CUPS_SERVER="$dir/cups.sock"
ready=no
for i in $(seq 100); do
  case $(lpstat -r 2>/dev/null) in "scheduler is running") ready=yes; break ;; esac
  sleep 0.1
done
rc=1
if [ $ready = yes ] &&
   lpadmin -p Ledgerly_Test -E -v file:///dev/null -m raw 2>/dev/null &&
   lpadmin -d Ledgerly_Test; then
  "$@" "$dir/spool"
  rc=$?
else
  echo "printer.sh: the test's CUPS scheduler did not start (see $dir/log)" >&2
fi
kill "$scheduler" 2>/dev/null
wait "$scheduler" 2>/dev/null
exit $rc
