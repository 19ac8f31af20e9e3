#!/bin/sh
# Tymba as installed: `cmake --install` into a temporary root, the menu entry
# and the software-centre entry validated, the options of each program's
# --help against its manual page, the command line of tymba, and then the
# installed tymba driven through the end-to-end run with its shipped data
# read-only. The run must leave the install tree as it was (root may write
# into read-only folders, so a manifest of the tree tells).
#   install_tree.sh BUILD VERSION SCREEN_GRAB ARTEFACTS
set -eu
root=$1/test-tmp/install_tree
prefix=$root/usr/local
[ ! -d "$root" ] || chmod -R u+w "$root"
rm -rf "$root"
trap 'chmod -R u+w "$root"' EXIT
DESTDIR=$root cmake --install "$1" --prefix /usr/local >/dev/null
desktop-file-validate "$prefix/share/applications/cz.tymba.Tymba.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/cz.tymba.Tymba.metainfo.xml" >/dev/null

options() { grep -oE -- '(\\?-)+[a-z]+' | tr -d '\\' | sort -u | tr '\n' ' '; }
for program in tymba tymba-vyhodnoceni tymba-historie; do
  help=$("$prefix/bin/$program" --help | grep -E '^ +-' | options)
  page=$(zcat "$prefix/share/man/man1/$program.1.gz" | sed -n '/^\.SH VOLBY/,/^\.SH/p' |
    grep -A1 '^\.TP' | options)
  [ "$help" = "$page" ] || { echo "$program: --help has $help, the manual page $page"; exit 1; }
done
[ "$("$prefix/bin/tymba" -platform offscreen --version)" = "tymba $2" ]
status=0
QT_QPA_PLATFORM=offscreen "$prefix/bin/tymba" -style fusion --nic 2>"$root.err" || status=$?
[ "$status" -eq 2 ] && grep -qx "Neznámá volba '--nic'." "$root.err" || exit 1

manifest() { (cd "$root" && find . -printf '%p %m %s\n' && find . -type f -exec sha256sum {} +) | sort; }
chmod -R a-w "$prefix/share/tymba"
manifest >"$root.before"
sh "$(dirname "$0")/../e2e/exercise_run.sh" "$prefix/bin/tymba" "$3" "$4"
manifest | diff "$root.before" -
