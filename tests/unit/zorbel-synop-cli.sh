#!/bin/sh
# zorbel-synop as a script sees it: exit status 2 and a message on standard error for a file it
# cannot read, one that holds no report and no file at all, while the other files are still
# read; the spreadsheet form with its byte-order mark and CR LF line ends.
# Usage: zorbel-synop-cli.sh ZORBEL_SYNOP SAMPLE_BROADCAST
set -u
synop=$1
sample=$2
. "$(dirname "$0")/cli-expect.sh"

"$synop" "$work/missing.txt" "$sample" >"$work/out" 2>"$work/err"
expect "a missing file" 2 $? grep -q "missing.txt: Datei nicht lesbar" "$work/err"
expect "the file after a missing one" 0 0 grep -q "^10338 Hannover" "$work/out"

printf 'SEEWETTERBERICHT\r\nDEUTSCHE BUCHT 10015 WEST 7\r\nNNNN\r\n' >"$work/plain.txt"
"$synop" "$work/plain.txt" >"$work/out" 2>"$work/err"
expect "a file without a report" 2 $? grep -q "plain.txt: Hier steht kein Wetterbericht" "$work/err"

"$synop" >"$work/out" 2>"$work/err"
expect "no file" 2 $? grep -q "Aufruf: zorbel-synop" "$work/err"

"$synop" --csv "$sample" >"$work/out" 2>"$work/err"
expect "the spreadsheet form" 0 $? [ "$(head -c 3 "$work/out" | od -An -tx1 | tr -d ' ')" = efbbbf ]
expect "one CR LF line per report and the header" 0 0 [ "$(tr -cd '\r' <"$work/out" | wc -c)" -eq 9 ]
exit $fail
