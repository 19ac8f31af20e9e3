#!/bin/sh
# A private PulseAudio server with one null sink "tymba", for the sound tests:
#   nullsink.sh start DIR   starts it with DIR as its runtime and home folder
#   nullsink.sh stop DIR    stops it
# The tests find it through XDG_RUNTIME_DIR=DIR/runtime and record the sink's
# monitor "tymba.monitor".
set -eu
action=$1
dir=$2
export XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home"
unset PULSE_SERVER
case "$action" in
  start)
    rm -rf "$dir"
    mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes --system=no \
      --disallow-exit=no -n --load="module-null-sink sink_name=tymba" \
      --load="module-native-protocol-unix" --log-target=file:"$dir/pulse.log"
    # Ready when it answers.
    for _ in $(seq 50); do
      if pactl info >/dev/null 2>&1; then
        pactl set-default-sink tymba
        exit 0
      fi
      sleep 0.1
    done
    echo "the sound server did not start" >&2
    exit 1
    ;;
  stop)
    pulseaudio --kill 2>/dev/null || true
    ;;
esac
