#!/bin/sh
# Installs what is missing, builds and runs every test (windows offscreen,
# the sanitizer build of core and storage, the format check).
set -e
cd "$(dirname "$0")/.."
tools/setup.sh test
exec ctest --test-dir build --output-on-failure --no-tests=error --timeout 600 -j2
