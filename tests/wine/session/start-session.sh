#!/bin/sh
# Starts the Wine test session: a private Xvfb display, a persistent
# wineserver on the test prefix, creating prefix and German locale on first
# use (prepare-prefix.sh), and a sound server with a null sink as the sound
# card (sound-server.sh). The state (display number, Xvfb pid) goes into
# the session folder $1.
# The Xvfb process holds the prefix lock for the whole session, so a second
# test run on the same prefix waits instead of killing this one's programs.
set -eu
session=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

lock_wait_seconds=${ZORBEL_SESSION_LOCK_WAIT:-240}

fail() { echo "start-session: $*" >&2; exit 1; }

# A session of this build tree left over from an interrupted run is ours.
if [ -f "$session/xvfb.pid" ]; then
  echo "start-session: ending the session left over in $session"
  sh "$here/stop-session.sh" "$session"
fi

mkdir -p "$session" "$(dirname "$WINEPREFIX")"
rm -f "$session/display" "$session/xvfb.pid"

echo "start-session: starting Xvfb (waits up to ${lock_wait_seconds}s for $ZORBEL_PREFIX_LOCK)"
# -displayfd makes Xvfb pick a free display and report it once it accepts
# clients. flock keeps the lock until Xvfb ends.
setsid flock -w "$lock_wait_seconds" "$ZORBEL_PREFIX_LOCK" \
  sh -c 'echo $$ >"$1/xvfb.pid"; exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display"' \
  sh "$session" </dev/null >"$session/xvfb.log" 2>&1 &
launcher=$!

deadline=$(( $(date +%s) + lock_wait_seconds + 30 ))
while ! [ -s "$session/display" ]; do
  if ! kill -0 "$launcher" 2>/dev/null; then
    cat "$session/xvfb.log" >&2
    fail "Xvfb did not start (prefix lock busy or Xvfb failed)"
  fi
  [ "$(date +%s)" -lt "$deadline" ] || fail "Xvfb did not report a display in time"
  sleep 0.1
done
read -r display_number <"$session/display"
export DISPLAY=":$display_number"
echo "start-session: Xvfb pid $(cat "$session/xvfb.pid") on $DISPLAY"

sh "$here/prepare-prefix.sh" "$session"

# A persistent server makes each Wine start cost milliseconds instead of a
# second; stop-session.sh ends it.
wineserver -p </dev/null >/dev/null 2>&1
echo "start-session: wineserver running on $WINEPREFIX"

# Xvfb has no window manager: Wine would wait 2 s for one at each hidden or
# destroyed window (a closed message box, the splash). Windows it does not
# hand to a window manager are hidden at once, and Wine draws their frames.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 ||
  fail "could not set the X11 driver's Managed setting"

sh "$here/sound-server.sh" start "$session"
