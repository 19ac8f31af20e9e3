#!/bin/sh
# Fails when a C++ source of the project is not formatted as .clang-format says.
# With --fix it formats them in place instead.
cd "$(dirname "$0")/.." || exit 2
files=$(find core storage ui app cli tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [ "$1" = "--fix" ]; then
  exec clang-format -i $files
fi
clang-format --dry-run --Werror $files
