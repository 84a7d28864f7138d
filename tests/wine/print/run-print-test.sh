#!/bin/sh
# Runs the Printing group against a CUPS scheduler of its own: configuration,
# spool, logs and PDFs in folder $2, a socket there, and PDF queues that write
# $2/pdf/<queue>.pdf, one of them refusing every job. No system queue or
# configuration is touched; Wine's libcups finds this scheduler through
# CUPS_SERVER.
#   run-print-test.sh <session> <cups folder> <wine tests> <further test options...>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
session=$1 cups=$2 tests=$3
shift 3
rm -rf "$cups"
mkdir -p "$cups/spool/tmp" "$cups/logs" "$cups/ppd" "$cups/pdf"
# The filters run as the unprivileged user lp.
chmod 0777 "$cups/spool/tmp" "$cups/pdf"
printf 'Listen %s/cups.sock\nBrowsing Off\n<Location />\n  Allow all\n</Location>\n' "$cups" >"$cups/cupsd.conf"
printf 'FileDevice Yes\nServerRoot %s\nRequestRoot %s/spool\nTempDir %s/spool/tmp\nCacheDir %s/spool\nStateDir %s/spool\nErrorLog %s/logs/error_log\nAccessLog %s/logs/access_log\n' \
  "$cups" "$cups" "$cups" "$cups" "$cups" "$cups" "$cups" >"$cups/cups-files.conf"

cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" </dev/null >"$cups/logs/cupsd.out" 2>&1 &
scheduler=$!
trap 'kill "$scheduler" 2>/dev/null; wait "$scheduler" 2>/dev/null' EXIT
export CUPS_SERVER="$cups/cups.sock"
deadline=$(( $(date +%s) + 20 ))
until [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; do
  if ! kill -0 "$scheduler" 2>/dev/null || [ "$(date +%s)" -ge "$deadline" ]; then
    cat "$cups/logs/cupsd.out" >&2
    echo "run-print-test: the private cupsd did not start" >&2
    exit 1
  fi
  sleep 0.1
done
for queue in ZorbelWhole ZorbelSelection ZorbelRefusing; do
  lpadmin -p "$queue" -E -v "file://$cups/pdf/$queue.pdf" -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
done

cupsreject ZorbelRefusing
status=0
ZORBEL_PRINT_FOLDER="$cups/pdf" sh "$here/../session/run-in-session.sh" "$session" wine "$tests" \
  --gtest_filter=Printing.* "$@" || status=$?
[ "$status" -eq 0 ] || cat "$cups/logs/error_log" >&2 2>/dev/null || true
exit $status
