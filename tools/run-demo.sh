#!/bin/sh
# Builds zorbel.exe and starts it under Wine for a person to look at, with the
# stand-in engine playing MMTTY, inside a Wine desktop window of 1024x768 (so
# windows get frames). Uses $DISPLAY, or
# a private Xvfb when there is none. Runs in build/demo with its own Wine
# prefix, so it never meets the test runs' programs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

sh tools/setup-debian.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake --build build/win --target zorbel mmtty_standin -j "$(nproc)"

export ZORBEL_WINEPREFIX="${ZORBEL_DEMO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/demo-wineprefix}"
. tests/wine/session/wine-env.sh

demo="$root/build/demo"
# The weather-report folder in place, as after a first start where the user
# confirmed it: the demo opens on the main window, not on the folder chooser.
mkdir -p "$demo/Wetterberichte"
cp build/win/shell/zorbel.exe build/win/shell/zorbel-hilfe.html "$demo/"
# The stand-in plays MMTTY: ZORBEL starts mmtty.bat from its working folder,
# and the stand-in sends a sea-weather broadcast at the real rate, over and over.
cp build/win/tools/stand-in-engine/mmtty_standin.exe tools/samples/seewetter.txt "$demo/"
printf '@"%%~dp0mmtty_standin.exe" %%* --feed "%%~dp0seewetter.txt" --repeat\r\n' >"$demo/mmtty.bat"

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
