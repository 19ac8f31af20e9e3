#!/bin/sh
# Fails unless the sound files in DATA are, byte for byte, what MAKESOUNDS
# makes, and it makes every one of them.
#   checksounds.sh MAKESOUNDS DATA
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out" >/dev/null
status=0
made=$(cd "$out" && find . -name '*.wav')
committed=$(cd "$2" && find ./Zvuk ./Zvuk2 -name '*.wav')
for file in $(printf '%s\n' $made $committed | sort -u); do
  cmp "$out/$file" "$2/$file" || status=1
done
exit $status
