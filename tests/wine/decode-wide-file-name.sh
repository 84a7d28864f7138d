#!/bin/sh
# zorbel-makewav.exe and zorbel-decode.exe under Wine with a file name
# outside the ANSI code page: the recording is written under that name, its
# mark is found without --mark, and its text is read back exactly.
# Usage: decode-wide-file-name.sh SESSION MAKEWAV_EXE DECODE_EXE WORK_DIR
set -eu
session=$1
makewav=$2
decode=$3
work=$4
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
