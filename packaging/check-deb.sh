#!/usr/bin/env bash
# Checks a built chemdrill .deb before it is handed out: it depends on
# runtime packages only (never on -dev packages), names the fonts and the
# platform plugins the program loads at run time, and holds the program, its
# link, its material and its desktop files under /usr.
# Usage: check-deb.sh BUILD_DIR   (checks the newest chemdrill_*.deb there)
set -euo pipefail
deb=$(ls -t "$1"/chemdrill_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "check-deb: no chemdrill_*.deb in $1" >&2; exit 1; }
id=io.github.chemdrill.ChemDrill
faults=0
fault() {
  echo "check-deb: $*" >&2
  faults=$((faults + 1))
}

depends=$(dpkg-deb -f "$deb" Depends)
echo "check-deb: Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-mincho fonts-ipafont-gothic; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fault "Depends lacks $package"
done
if grep -qE -- '-dev( |,|$)' <<<"$depends"; then fault "Depends names a development package"; fi
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fault "the section is not education"

contents=$(LC_ALL=C.UTF-8 dpkg-deb -c "$deb")
for path in ./usr/lib/chemdrill/chemdrill "./usr/share/applications/$id.desktop" \
  "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
  ./usr/lib/chemdrill/化学式/データ/元素.dat ./usr/lib/chemdrill/係数/問題.dat \
  ./usr/lib/chemdrill/モル/分子量.dat ./usr/lib/chemdrill/反応量/反応式.dat; do
  grep -qF " $path" <<<"$contents" || fault "the package lacks $path"
done
grep -qF ' ./usr/bin/chemdrill -> ../lib/chemdrill/chemdrill' <<<"$contents" ||
  fault "the package lacks the link /usr/bin/chemdrill -> ../lib/chemdrill/chemdrill"

[ "$faults" -eq 0 ] || exit 1
echo "check-deb: $deb is sound"
