#!/bin/sh
# How fast the real program starts under Xvfb, and how much memory it takes:
# one warm-up start, then the median of RUNS starts (5 by default) of
#   - the splash window painted, in ms from the process start,
#   - the main window loaded (its settings read and applied), in ms from the
#     process start, not counting the splash's three-second minimum,
#   - the peak resident memory (VmHWM) at the idle main window, in MiB.
# Each start gets a fresh settings folder and user data folder (the first-run
# path, the slower one). PROGRAM may be the one in the build tree or an
# installed one (`DESTDIR=/tmp/t cmake --install build`, then
# /tmp/t/usr/local/bin/tymba): either finds its shipped data by its own path.
#   startup_speed.sh PROGRAM [RUNS]
set -eu
program=$1
runs=${2:-5}
work=$(mktemp -d)
nullsink="$(dirname "$0")/../tools/nullsink.sh"
xvfb_pid=""
cleanup() {
  # Waited for: an X server still shutting down removes the socket of the
  # next one to take its display number.
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  "$nullsink" stop "$work/sound"
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb LANG=cs_CZ.UTF-8
# A sound server with a null sink, as a user's sound card: the sound set-up is
# part of the start.
"$nullsink" start "$work/sound"
export PULSE_SERVER="unix:$work/sound/runtime/pulse/native"

now_us() { echo $(($(date +%s%N) / 1000)); }
moment() { sed -n "s/^tymba-startup $1 //p" "$2"; }

start_once() {  # start_once N: prints "splash_ms loaded_ms peak_kib"
  run="$work/run$1"
  mkdir -p "$run/config" "$run/home" "$run/data"
  log="$run/trace"
  started=$(now_us)
  HOME="$run/home" XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" \
    TYMBA_TRACE_STARTUP=1 "$program" 2>"$log" &
  pid=$!
  for _ in $(seq 100); do grep -q "main window shown" "$log" 2>/dev/null && break; sleep 0.1; done
  sleep 0.5  # idle at the main window
  peak=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  splash=$(moment "splash painted" "$log")
  loaded=$(moment "main window loaded" "$log")
  echo "$(((splash - started) / 1000)) $(((loaded - started) / 1000)) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_once 0 >/dev/null  # warm-up: caches filled
: >"$work/results"
for i in $(seq "$runs"); do start_once "$i" >>"$work/results"; done

splash=$(cut -d' ' -f1 "$work/results" | median)
loaded=$(cut -d' ' -f2 "$work/results" | median)
peak=$(cut -d' ' -f3 "$work/results" | median)
echo "runs: $(tr '\n' ';' <"$work/results")"
echo "splash painted:     ${splash} ms after the process start (limit 100 ms)"
echo "main window loaded: ${loaded} ms after the process start (limit 250 ms)"
echo "peak memory idle:   $((peak / 1024)) MiB (limit 40 MiB)"
[ "$splash" -le 100 ] && [ "$loaded" -le 250 ] && [ "$peak" -le $((40 * 1024)) ]
