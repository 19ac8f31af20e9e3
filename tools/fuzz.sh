#!/bin/sh
# Fuzzing: the libFuzzer programs in fuzz/ feed generated input to the settings
# file's reading and writing, the settings store, the decoding of text files,
# the alignment and the grading tool, and stop at the first input that breaks
# a rule, crashes or trips the address or undefined-behaviour sanitizer. They
# are built with clang into a folder of their own (build/fuzz, not part of the
# g++ build). Each starts from its seed inputs in fuzz/corpus/NAME/; the new
# inputs it finds go to build/fuzz/scratch/NAME/, never into the repository,
# and an input that stops it to build/fuzz/crashes/NAME/ (`build/fuzz/fuzz_NAME
# FILE` runs it again). A new fuzzer is one line in fuzz/targets.cmake.
#   tools/fuzz.sh [SECONDS]         build, then run each fuzzer SECONDS (60)
#   tools/fuzz.sh build             only build
#   tools/fuzz.sh run NAME SECONDS  run one, keeping what it finds in scratch
#   tools/fuzz.sh check NAME SECONDS  run one from its seeds only (the test run)
# TYMBA_FUZZ_BUILD names another build folder.
set -eu
cd "$(dirname "$0")/.."
build=${TYMBA_FUZZ_BUILD:-$(pwd)/build/fuzz}

targets() {
  sed -n 's/^tymba_fuzzer(\([A-Za-z0-9_]*\).*/\1/p' fuzz/targets.cmake
}

build_fuzzers() {
  launcher=""
  command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
  cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ $launcher >/dev/null
  cmake --build "$build"
}

# run_fuzzer NAME SECONDS FOLDER: new inputs go to FOLDER (the first folder
# given to libFuzzer), the seeds are only read.
run_fuzzer() {
  mkdir -p "$3" "$build/crashes/$1"
  echo "== $1, $2 s"
  if ! "$build/fuzz_$1" -max_total_time="$2" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$1/" "$3" "fuzz/corpus/$1" 2>"$build/$1.log"; then
    grep -v '^#' "$build/$1.log" >&2
    echo "$1 stopped; the input is in $build/crashes/$1/ (run it again with $build/fuzz_$1 FILE)" >&2
    return 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/$1.log"
}

case "${1:-60}" in
  build) build_fuzzers ;;
  run) run_fuzzer "$2" "$3" "$build/scratch/$2" ;;
  check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    run_fuzzer "$2" "$3" "$scratch"
    ;;
  *)
    build_fuzzers
    failed=""
    for name in $(targets); do
      run_fuzzer "$name" "$1" "$build/scratch/$name" || failed="$failed $name"
    done
    [ -z "$failed" ] || { echo "Stopped:$failed" >&2; exit 1; }
    ;;
esac
