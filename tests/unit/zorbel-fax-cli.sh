#!/bin/sh
# zorbel-makewav --fax and zorbel-decode --fax as a script sees them: a small chart sent and received back with
# its lines, tones and phasing told on standard error, a recording without a chart (a steady carrier in noise) exit
# status 1, a missing chart file name status 2.
# Usage: zorbel-fax-cli.sh ZORBEL_MAKEWAV ZORBEL_DECODE
set -u
makewav=$1 decode=$2
. "$(dirname "$0")/cli-expect.sh"

# 32 x 10 white with two black columns, a black row and a grey stretch, as Python's zlib packs it.
perl -e 'print pack("H*", $ARGV[0])' \
    89504e470d0a1a0a0000000d49484452000000200000000a0800000000f02603780000001e4944415478da63f80f030cff9100035e1605\
0a1a808006561004b4f726007d380b068b54b63b0000000049454e44ae426082 >"$work/chart.png"
"$makewav" "$work/fax.wav" --fax "$work/chart.png" --phasing 20 --snr 20 --rate 11025 >"$work/out" 2>"$work/err" &&
    "$decode" --fax "$work/fax.wav" "$work/received.png" >"$work/out" 2>"$work/err"
expect "a chart sent and received" 0 $? grep -Eq "chart 1 \\(.*received.png\\): (8|9|10|11|12) lines from" "$work/err"
expect "its tones and phasing found" 0 0 grep -q \
    "started by its start tone, ended by its stop tone; line start from 20 phasing lines" "$work/err"
expect "the chart written as PNG" 0 0 test "$(head -c 4 "$work/received.png" | tail -c 3)" = PNG

printf '' | "$makewav" "$work/carrier.wav" --lead 60 --snr 10 >"$work/out" 2>"$work/err" &&
    "$decode" --fax "$work/carrier.wav" "$work/none.png" >"$work/out" 2>"$work/err"
expect "no chart in a steady carrier" 1 $? grep -q "no radiofax chart found" "$work/err"

"$decode" --fax "$work/fax.wav" >"$work/out" 2>"$work/err"
expect "no file for the chart" 2 $? grep -q "wants the recording and the chart's file" "$work/err"
exit $fail
