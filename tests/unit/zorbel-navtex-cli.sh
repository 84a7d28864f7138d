#!/bin/sh
# zorbel-navtex as a script sees it: decoded text on standard input read into messages with station,
# subject and error rate, a repeat folded, a lost end named; exit status 2 for a file it cannot read
# and for a wrong option.
# Usage: zorbel-navtex-cli.sh ZORBEL_NAVTEX
set -u
navtex=$1
. "$(dirname "$0")/cli-expect.sh"

printf 'ZCZC LB01\r\nSTURM\r\nNNNN\r\nZCZC LB01\r\nSTURM\r\nNNNN\r\nZCZC LD00\r\nSEENOT P*SITION\r\n' |
    "$navtex" --frequency 490 >"$work/out" 2>"$work/err"
expect "a repeat folded" 0 $? grep -q "^LB01  Pinneberg (Deutschland)  Wetterwarnung  CER 0,0 %  2× empfangen$" "$work/out"
expect "an alarm without its end" 0 0 \
    grep -q "^!!! LD00  Pinneberg (Deutschland)  Seenot/Piraterie  CER 4,2 %  unvollständig$" "$work/out"

"$navtex" "$work/missing.txt" >"$work/out" 2>"$work/err"
expect "a missing file" 2 $? grep -q "missing.txt: Datei nicht lesbar" "$work/err"

"$navtex" --frequency 500 >"$work/out" 2>"$work/err" </dev/null
expect "a frequency NAVTEX does not use" 2 $? grep -q "Aufruf: zorbel-navtex" "$work/err"
exit $fail
