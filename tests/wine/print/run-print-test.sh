#!/bin/sh
# Runs the Printing group against a CUPS scheduler of its own: configuration,
# spool, logs and the PDFs in folder $2, a local socket there, two PDF queues
# (ZorbelWhole, ZorbelSelection) that write $2/pdf/<queue>.pdf. No system
# queue or configuration is touched; Wine's libcups finds this scheduler
# through CUPS_SERVER, and the scheduler ends with the run.
#   run-print-test.sh <session> <cups folder> <wine tests> <further test options...>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
session=$1 cups=$2 tests=$3
shift 3
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd

rm -rf "$cups"
mkdir -p "$cups/spool/tmp" "$cups/cache" "$cups/state" "$cups/logs" "$cups/ppd" "$cups/pdf"
# The filters run as the unprivileged user lp: they need the temporary folder.
chmod 0777 "$cups/spool/tmp" "$cups/pdf"
cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
Browsing Off
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
cat >"$cups/cups-files.conf" <<EOF
FileDevice Yes
ServerRoot $cups
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/logs/access_log
ErrorLog $cups/logs/error_log
PageLog $cups/logs/page_log
EOF

cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" </dev/null >"$cups/logs/cupsd.out" 2>&1 &
scheduler=$!
stop_scheduler() {
  kill "$scheduler" 2>/dev/null || true
  wait "$scheduler" 2>/dev/null || true
}
trap stop_scheduler EXIT

export CUPS_SERVER="$cups/cups.sock"
deadline=$(( $(date +%s) + 20 ))
until lpstat -r >/dev/null 2>&1 && [ "$(lpstat -r)" = "scheduler is running" ]; do
  if ! kill -0 "$scheduler" 2>/dev/null || [ "$(date +%s)" -ge "$deadline" ]; then
    cat "$cups/logs/cupsd.out" "$cups/logs/error_log" >&2 2>/dev/null || true
    echo "run-print-test: the private cupsd did not start" >&2
    exit 1
  fi
  sleep 0.1
done
for queue in ZorbelWhole ZorbelSelection; do
  lpadmin -p "$queue" -E -v "file://$cups/pdf/$queue.pdf" -P "$ppd" 2>/dev/null
done

status=0
ZORBEL_PRINT_FOLDER="$cups/pdf" sh "$here/../session/run-in-session.sh" "$session" wine "$tests" \
  --gtest_filter=Printing.* "$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "run-print-test: CUPS error log:" >&2
  cat "$cups/logs/error_log" >&2 2>/dev/null || true
fi
exit $status
