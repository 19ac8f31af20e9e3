#!/bin/sh
# The Debian package, made by cpack in a folder of its own: its control
# fields, its files, and lintian, which must report no error.
#   package_deb.sh BUILD
set -eu
out=$1/test-tmp/package_deb
rm -rf "$out"
cpack -G DEB -B "$out" --config "$1/CPackConfig.cmake" >/dev/null
deb=$(echo "$out"/tymba_*.deb)
has() { printf '%s\n' "$1" | grep -q -- "$2" || { printf 'no "%s" in\n%s\n' "$2" "$1"; exit 1; }; }
fields=$(dpkg-deb --field "$deb" Package Section Depends)
for want in '^Package: tymba$' '^Section: education$' libqt6widgets6 fonts-liberation2 \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good qt6-translations-l10n qt6-qpa-plugins; do
  has "$fields" "$want"
done
files=$(dpkg-deb --contents "$deb" | sed 's/^[^.]*\.//')
for want in bin/tymba bin/tymba-vyhodnoceni bin/tymba-historie 'share/tymba/cviceni/.*\.txt' \
  share/applications/cz.tymba.Tymba.desktop share/metainfo/cz.tymba.Tymba.metainfo.xml \
  share/icons/hicolor/scalable/apps/cz.tymba.Tymba.svg share/man/man1/tymba.1.gz \
  share/man/man1/tymba-vyhodnoceni.1.gz share/man/man1/tymba-historie.1.gz \
  share/doc/tymba/copyright; do
  has "$files" "^/usr/$want\$"
done
lintian "$deb" >"$out/lintian.txt" 2>&1 || true
if grep '^E:' "$out/lintian.txt"; then exit 1; fi
