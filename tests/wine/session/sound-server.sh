#!/bin/sh
# A sound card without hardware for the session in folder $2: a PulseAudio
# server of its own with one null sink "radio", whose monitor Wine's
# PulseAudio driver lists as a capture device ("Monitor of Radio").
# What is played into the sink (paplay -d radio) is what the monitor records.
#   start: starts the server; its runtime folder is named in $2/pulse-runtime,
#          which run-in-session.sh hands to Wine as XDG_RUNTIME_DIR
#   stop:  ends the server and removes its runtime folder
# Works as root and without a session bus (CI): only the modules named here
# are loaded, and clients need no cookie.
set -eu
action=$1
session=$2

case "$action" in
start)
  command -v pulseaudio >/dev/null || { echo "sound-server: pulseaudio missing (tools/setup-debian.sh)" >&2; exit 1; }
  # Short and private: the server's socket path has a length limit, and the
  # folder must belong to its user alone.
  runtime=$(mktemp -d /tmp/zorbel-pulse.XXXXXX)
  echo "$runtime" >"$session/pulse-runtime"
  export XDG_RUNTIME_DIR="$runtime"
  # --daemonize returns once the server accepts clients (or has failed). The
  # server names its devices in its locale: in C, whatever the session's, the
  # sink "Radio" and its monitor "Monitor of Radio".
  if ! LANG=C LC_ALL=C pulseaudio --daemonize=yes --exit-idle-time=-1 -n --log-target=file:"$session/pulseaudio.log" \
      --load="module-native-protocol-unix auth-anonymous=1" --load="module-null-sink sink_name=radio sink_properties=device.description=Radio" \
      </dev/null >/dev/null 2>&1; then
    cat "$session/pulseaudio.log" >&2 2>/dev/null || true
    echo "sound-server: pulseaudio did not start" >&2
    exit 1
  fi
  pactl set-default-source radio.monitor
  echo "sound-server: PulseAudio with null sink radio in $runtime"
  ;;
stop)
  [ -f "$session/pulse-runtime" ] || exit 0
  read -r runtime <"$session/pulse-runtime"
  case "$runtime" in
    /tmp/zorbel-pulse.*) ;;
    *) echo "sound-server: unexpected runtime folder $runtime" >&2; exit 1 ;;
  esac
  XDG_RUNTIME_DIR="$runtime" pulseaudio --kill 2>/dev/null || true
  rm -rf "$runtime" "$session/pulse-runtime"
  ;;
*)
  echo "usage: $0 start|stop SESSION" >&2
  exit 2
  ;;
esac
