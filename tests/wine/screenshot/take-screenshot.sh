#!/bin/sh
# Takes a picture of zorbel's main window the way a person sees it: inside a
# Wine desktop window of 1024x768, where windows get frames and title bars.
# Runs inside run-in-session.sh. Arguments: <picture.png> <zorbel_wine_tests.exe>
# <bench options...>. The test program starts zorbel inside the desktop and
# says through files when the window stands and when it may go.
set -eu
picture=$1
tests_exe=$2
shift 2

fail() { echo "take-screenshot: $*" >&2; exit 1; }

mkdir -p "$(dirname "$picture")"
handshake=$(mktemp -d)
trap 'rm -rf "$handshake"' EXIT

wine explorer /desktop=zorbel-screenshot,1024x768 "$tests_exe" --gtest_filter='DesktopScreenshot.*' "$@" \
  --ready-file="$handshake/ready" --release-file="$handshake/release" \
  >"$handshake/test.log" 2>&1 </dev/null &
desktop=$!

deadline=$(( $(date +%s) + 60 ))
while ! [ -f "$handshake/ready" ]; do
  if ! kill -0 "$desktop" 2>/dev/null; then
    cat "$handshake/test.log"
    fail "the test program ended before zorbel's main window stood"
  fi
  [ "$(date +%s)" -lt "$deadline" ] || { kill "$desktop"; fail "zorbel's main window did not stand within 60 s"; }
  sleep 0.1
done

import -window root "$picture"
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
cat "$handshake/test.log"
# explorer's exit status is not the test program's: read GoogleTest's verdict.
grep -q '^\[  PASSED  \] 1 test' "$handshake/test.log" || fail "the screenshot test program failed"
