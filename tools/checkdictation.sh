#!/bin/sh
# Fails unless MAKEDICTATIONS makes, byte for byte, the committed recording of
# the shortest dictation in DATA/Diktaty. One is enough to show that the
# recordings come from their transcripts and the pace file; the shortest keeps
# the test quick.
#   checkdictation.sh MAKEDICTATIONS DATA
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
shortest=$(cd "$2/Diktaty" && ls -S -- *.txt | tail -n 1)
"$1" -o "$out" "$2/Diktaty/$shortest" >/dev/null
cmp "$out/${shortest%.txt}.ogg" "$2/Diktaty/${shortest%.txt}.ogg"
