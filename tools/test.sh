#!/bin/sh
# Installs what is missing, builds and runs every test (windows offscreen,
# also in a Debug build with the sanitizers; the sanitizer build of core,
# storage and the grading tool; each fuzzer for a few seconds; the format
# check). No test may take longer than two minutes.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh test
exec ctest --test-dir build --output-on-failure --no-tests=error --timeout 120 -j2
