#!/bin/sh
# Runs the click-onset benchmark on a private sound server with a null sink.
#   sound_onset.sh BENCH_SOUND NULLSINK_SH DIR
set -eu
bench=$1
nullsink=$2
dir=$3
"$nullsink" start "$dir"
trap '"$nullsink" stop "$dir"' EXIT
XDG_RUNTIME_DIR="$dir/runtime" PULSE_SERVER="unix:$dir/runtime/pulse/native" \
  QT_QPA_PLATFORM=offscreen "$bench"
