#!/bin/sh
# zorbel-makewav.exe and zorbel-decode.exe under Wine with a file name
# outside the ANSI code page: the recording is written under that name, its
# mark is found without --mark, and its text is read back exactly. Then
# zorbel-synop.exe reads a saved bulletin under such a name, as text and as
# CSV, and fails with status 2 on a file that is not there.
# Usage: decode-wide-file-name.sh SESSION MAKEWAV_EXE DECODE_EXE SYNOP_EXE SAMPLE WORK_DIR
set -eu
session=$1
makewav=$2
decode=$3
synop=$4
sample=$5
work=$6
here=$(cd "$(dirname "$0")" && pwd)
. "$here/session/wine-env.sh"
read -r display_number <"$session/display"
export DISPLAY=":$display_number"

rm -rf "$work"
mkdir -p "$work"
cd "$work"
name='Wetter-Ωμέγα-Привет.wav'
text='CQ CQ DE DDH47 WETTERBERICHT'
printf '%s\r\n' "$text" >text.txt
# Output goes to files: Wine's helper processes would hold a pipe open.
status=0
wine "$makewav" "$name" --baud 50 --shift 450 --reverse --mark 1000 --snr 10 <text.txt >makewav.log 2>&1 || status=$?
[ "$status" -eq 0 ] && [ -f "$name" ] || { echo "makewav failed ($status):"; cat makewav.log; ls; exit 1; }
wine "$decode" "$name" --baud 50 --shift 450 --reverse <text.txt >decoded.txt 2>decode.log || status=$?
# Byte for byte, CR LF included: both tools pass bytes on unchanged.
if [ "$status" -ne 0 ] || ! cmp -s text.txt decoded.txt; then
  echo "decode failed ($status):"
  cat decode.log decoded.txt
  exit 1
fi
echo "decoded from $name: $(cat decoded.txt)"

bulletin='Synop-Ωμέγα-Привет.txt'
sed -n '/^ZCZC 104/,/^NNNN/p' "$sample" >"$bulletin"
status=0
wine "$synop" "$bulletin" >synop.txt 2>synop.log || status=$?
if [ "$status" -ne 0 ] || ! grep -q "^10015 Helgoland (54,17° N, 7,88° O) am 6. um 06 UTC" synop.txt ||
   ! grep -q "Wind: aus 310° (NW), 27 kn, 7 Bft (steifer Wind), gemessen" synop.txt; then
  echo "zorbel-synop failed ($status):"
  cat synop.log synop.txt
  exit 1
fi
wine "$synop" --csv "$bulletin" >synop.csv 2>synop.log || status=$?
bom=$(head -c 3 synop.csv | od -An -tx1 | tr -d ' ')
crs=$(tr -cd '\r' <synop.csv | wc -c)
if [ "$status" -ne 0 ] || [ "$bom" != efbbbf ] || [ "$crs" -ne 9 ] ||
   ! grep -q "^10020;List auf Sylt;55,0167;8,4167;6;6;260;31,1;7;;20000;;7;8,2;6,0;1005,0;-1,0;;;" synop.csv; then
  echo "zorbel-synop --csv failed ($status, mark $bom, $crs CR):"
  cat synop.log synop.csv
  exit 1
fi
wine "$synop" missing.txt >synop.txt 2>synop.log && status=0 || status=$?
if [ "$status" -ne 2 ] || ! grep -q "missing.txt: Datei nicht lesbar" synop.log; then
  echo "zorbel-synop on a missing file: status $status"
  cat synop.log
  exit 1
fi
echo "zorbel-synop read $bulletin: $(grep -c '^10' synop.csv) reports"
