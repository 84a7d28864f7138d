#!/bin/sh
# Ends the Wine test session started by start-session.sh in folder $1: its
# sound server, every process of the test prefix (through its wineserver)
# and that session's Xvfb, which releases the prefix lock.
set -u
session=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

status=0
sh "$here/sound-server.sh" stop "$session" || status=1
wineserver -k 2>/dev/null || true
if ! timeout 30 wineserver -w 2>/dev/null; then
  echo "stop-session: wineserver of $WINEPREFIX did not end" >&2
  status=1
fi

if [ -f "$session/xvfb.pid" ]; then
  read -r pid <"$session/xvfb.pid"
  # Only the Xvfb this session started, never one of somebody else.
  if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "Xvfb" ]; then
    kill "$pid"
    deadline=$(( $(date +%s) + 10 ))
    while kill -0 "$pid" 2>/dev/null; do
      if [ "$(date +%s)" -ge "$deadline" ]; then
        kill -KILL "$pid" 2>/dev/null
        break
      fi
      sleep 0.1
    done
  fi
  rm -f "$session/xvfb.pid" "$session/display"
  echo "stop-session: session in $session ended"
fi
exit $status
