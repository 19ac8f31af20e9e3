#!/bin/sh
# Installs what is missing, builds and starts Tymba from the build tree.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh run
exec build/tymba "$@"
