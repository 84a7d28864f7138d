#!/bin/sh
# Runs the decoder benchmark natively (beside minimodem), then builds the
# Windows build and runs its benchmarks under Wine, in the test bench's
# session (private Xvfb, German locale). Benchmarks print figures; they pass
# or fail nothing except a lost character.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

sh tools/setup-debian.sh

# The decoder against minimodem, natively. minimodem is installed here when
# run as root (and only if missing); without it the benchmark prints our
# column alone.
if ! command -v minimodem >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "run-benchmarks: installing minimodem"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q minimodem </dev/null ||
      { apt-get update -q </dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y -q minimodem </dev/null; } ||
      echo "run-benchmarks: minimodem could not be installed" >&2
  else
    echo "run-benchmarks: minimodem is missing; run as root to install it" >&2
  fi
fi
cmake -S . -B build/native
cmake --build build/native -j "$(nproc)" --target bench_decoder
echo "== Decoder: character error rate and speed, ours against minimodem"
build/native/decoder/bench/bench_decoder

cmake --build build/native -j "$(nproc)" --target bench_navtex
echo "== NAVTEX: whole messages received right through noise, fading and a sender off; an hour of noise alone"
build/native/navtex/bench/bench_navtex --noise-hours 1

cmake --build build/native -j "$(nproc)" --target bench_fax
echo "== Radiofax: correlation with the chart sent, slant, start and end, false starts"
build/native/decoder/bench/bench_fax

cmake --build build/native -j "$(nproc)" --target bench_synop
echo "== Weather reports: a day of bulletins (2,000 reports) decoded and worded"
build/native/weather/bench/bench_synop tools/samples/seewetter.txt 2000

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake --build build/win -j "$(nproc)"

session="$root/build/win/bench-session"
sh tests/wine/session/start-session.sh "$session"
trap 'sh tests/wine/session/stop-session.sh "$session"' EXIT

echo "== Rx window: 70-character lines appended up to 20 MB"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_rx_append.exe 20

echo "== Rx window: a search through 5 MB for a word in the last line"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_rx_search.exe 5

echo "== Start-up: launch to main window shown, three starts"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_start_up.exe \
  build/win/shell/zorbel.exe "$session/work/StartUp" 3

echo "== Rx window documents: open and save 5 MB as TXT and RTF"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_rx_document.exe 5 "$session"

echo "== Station map: 200 stations, the scene made and painted"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_station_map.exe 200

echo "== Soak: zorbel.exe receiving 1 MB from the stand-in engine, main window visible"
bench="$root/build/win"
sh tests/wine/session/run-in-session.sh "$session" wine "$bench/tools/soak/soak_reception.exe" \
  --zorbel-exe="$bench/shell/zorbel.exe" --probe-dll="$bench/tests/wine/probe/zorbel_probe.dll" \
  --standin-exe="$bench/tools/stand-in-engine/mmtty_standin.exe" --work-root="$session/work"

echo "== Engine listening: a 48 kHz broadcast in real time for 10 minutes (--minutes 60 for the hour)"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_engine_listening.exe \
  build/win/zorbel-engine/win32/zorbel-engine.exe "$session/work/EngineListening" --minutes 10

echo "== Engine listening: the same through the sound card for 10 minutes"
sh tests/wine/session/run-in-session.sh "$session" wine build/win/tools/bench_engine_listening.exe \
  build/win/zorbel-engine/win32/zorbel-engine.exe "$session/work/EngineListeningCard" --minutes 10 --sound-card
