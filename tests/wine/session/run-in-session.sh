#!/bin/sh
# Runs a command inside the Wine test session of folder $1 (its display,
# sound server and Wine environment) and passes on its output and exit status.
set -eu
session=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if ! [ -s "$session/display" ]; then
  echo "run-in-session: no session running in $session (run the fixture first)" >&2
  exit 1
fi
read -r display_number <"$session/display"
export DISPLAY=":$display_number"
# Wine's PulseAudio driver, pactl and paplay find the session's sound server here.
if [ -f "$session/pulse-runtime" ]; then
  read -r XDG_RUNTIME_DIR <"$session/pulse-runtime"
  export XDG_RUNTIME_DIR
fi

# Wine's helper processes (desktop, services) started by the command inherit
# its output and live until the session ends; writing to a file instead of
# CTest's pipe keeps CTest from waiting for them.
output=$(mktemp "$session/output.XXXXXX")
trap 'rm -f "$output"' EXIT
status=0
"$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
exit $status
