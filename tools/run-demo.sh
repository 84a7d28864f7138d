#!/bin/sh
# Builds zorbel.exe and starts it under Wine for a person to look at, inside a
# Wine desktop window of 1024x768 (so windows get frames). Uses $DISPLAY, or
# a private Xvfb when there is none. Runs in build/demo with its own Wine
# prefix, so it never meets the test runs' programs.
#   run-demo.sh         our engine (zorbel-engine.exe) decodes a generated
#                       recording of the sea-weather broadcast at the real rate
#   run-demo.sh --text  the stand-in engine replays the broadcast's text
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

replay=recording
case "${1:-}" in
  "") ;;
  --text) replay=text ;;
  *) echo "usage: run-demo.sh [--text]" >&2; exit 2 ;;
esac

sh tools/setup-debian.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake --build build/win --target zorbel mmtty_standin zorbel-engine -j "$(nproc)"

export ZORBEL_WINEPREFIX="${ZORBEL_DEMO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/demo-wineprefix}"
. tests/wine/session/wine-env.sh

demo="$root/build/demo"
# The weather-report folder in place, as after a first start where the user
# confirmed it: the demo opens on the main window, not on the folder chooser.
mkdir -p "$demo/Wetterberichte"
cp build/win/shell/zorbel.exe build/win/shell/zorbel-hilfe.html "$demo/"
# ZORBEL starts mmtty.bat from its working folder, as it would start MMTTY.
if [ "$replay" = text ]; then
  # The stand-in sends the broadcast's text at the real rate, over and over.
  cp build/win/tools/stand-in-engine/mmtty_standin.exe tools/samples/seewetter.txt "$demo/"
  printf '@"%%~dp0mmtty_standin.exe" %%* --feed "%%~dp0seewetter.txt" --repeat\r\n' >"$demo/mmtty.bat"
else
  # The broadcast as the German weather service sends it (50 Bd, 450 Hz shift,
  # reversed on upper sideband), with noise at +3 dB in 3 kHz; our engine
  # decodes it at the real rate, over and over.
  cmake -S . -B build/native
  cmake --build build/native --target zorbel-makewav -j "$(nproc)"
  mode="--baud 50 --shift 450 --mark 1000 --reverse"
  # shellcheck disable=SC2086 # the mode is four options
  build/native/decoder/cli/zorbel-makewav "$demo/seewetter.wav" $mode --snr 3 <tools/samples/seewetter.txt
  cp build/win/zorbel-engine/win32/zorbel-engine.exe "$demo/"
  printf '@"%%~dp0zorbel-engine.exe" %%* %s --repeat --wav "%%~dp0seewetter.wav"\r\n' "$mode" >"$demo/mmtty.bat"
fi

xvfb_pid=""
end_demo() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap end_demo EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  rm -f "$demo/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$demo/display" </dev/null >"$demo/xvfb.log" 2>&1 &
  xvfb_pid=$!
  deadline=$(( $(date +%s) + 30 ))
  while ! [ -s "$demo/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$demo/xvfb.log" >&2; echo "run-demo: Xvfb failed" >&2; exit 1; }
    [ "$(date +%s)" -lt "$deadline" ] || { echo "run-demo: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  read -r display_number <"$demo/display"
  export DISPLAY=":$display_number"
  echo "run-demo: no DISPLAY set; started Xvfb on $DISPLAY (invisible)."
  echo "run-demo: take a look with: DISPLAY=$DISPLAY import -window root shot.png"
fi

sh tests/wine/session/prepare-prefix.sh "$demo"
echo "run-demo: starting zorbel.exe in $demo on $DISPLAY; close it or press Ctrl+C to end"
cd "$demo"
wine explorer /desktop=zorbel,1024x768 zorbel.exe
