#!/bin/sh
# Takes a picture of a window the way a person sees it: inside a Wine desktop
# window of 1024x768, where windows get frames and title bars. A tool, not a
# test: it brings up its own Wine session in folder <session> and ends it
# again. Arguments: <session> <picture.png> <holder.exe> <bench options...>.
# The holder starts the program inside the desktop and says through files
# when its window stands (the ready file may name the part of the screen to
# keep, as WIDTHxHEIGHT+X+Y) and when it may go.
set -eu
session=$1
picture=$2
holder=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../tests/wine/session

fail() { echo "take-screenshot: $*" >&2; exit 1; }

mkdir -p "$(dirname "$picture")"
handshake=$(mktemp -d)
trap 'sh "$scripts/stop-session.sh" "$session" >/dev/null 2>&1; rm -rf "$handshake"' EXIT
sh "$scripts/start-session.sh" "$session" >"$handshake/session.log" 2>&1 || { cat "$handshake/session.log"; fail "no Wine session"; }
. "$scripts/wine-env.sh"
read -r display_number <"$session/display"
export DISPLAY=":$display_number"

wine explorer /desktop=zorbel-screenshot,1024x768 "$holder" "$@" \
  --ready-file="$handshake/ready" --release-file="$handshake/release" \
  >"$handshake/hold.log" 2>&1 </dev/null &
desktop=$!

deadline=$(( $(date +%s) + 90 ))
while ! [ -f "$handshake/ready" ]; do
  if ! kill -0 "$desktop" 2>/dev/null; then
    cat "$handshake/hold.log"
    fail "the holder ended before the window stood"
  fi
  [ "$(date +%s)" -lt "$deadline" ] || { kill "$desktop"; fail "the window did not stand within 90 s"; }
  sleep 0.1
done

geometry=$(tr -d '\r' <"$handshake/ready" | sed -n 's/^\([0-9]*x[0-9]*+[0-9]*+[0-9]*\)$/\1/p')
if [ -n "$geometry" ]; then
  import -window root -crop "$geometry" +repage "$picture"
else
  import -window root "$picture"
fi
touch "$handshake/release"
echo "take-screenshot: wrote $picture"

deadline=$(( $(date +%s) + 30 ))
while kill -0 "$desktop" 2>/dev/null; do
  if [ "$(date +%s)" -ge "$deadline" ]; then
    kill "$desktop"
    fail "the Wine desktop did not close within 30 s"
  fi
  sleep 0.1
done
cat "$handshake/hold.log"
