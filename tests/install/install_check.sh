#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result from
# outside, as a packager and a desktop would see it.
# Usage: install_check.sh CMAKE BUILD_DIR INSTALLED_SCREENS ATSPI_WALK
set -euo pipefail
cmake=$1
build=$(realpath "$2")
installed_screens=$(realpath "$3")
atspi_walk=$(realpath "$4")

id=io.github.chemdrill.ChemDrill
folders=(化学式 係数 モル 反応量)
icon_sizes=(16 24 32 48 64 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
private=$prefix/lib/chemdrill
faults=0
fault() {
  echo "install_check: $*" >&2
  faults=$((faults + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log"; echo "install_check: cmake --install failed" >&2; exit 1; }

# What is installed, and nothing more: no test, tool or benchmark binaries.
expected() {
  echo bin/chemdrill
  echo lib/chemdrill/chemdrill
  (cd "$build" && find "${folders[@]}" -type f | sed 's|^|lib/chemdrill/|')
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for s in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${s}x$s/apps/$id.png"; done
}
expected | LC_ALL=C sort >"$work/expected"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
if ! diff "$work/expected" "$work/installed" >"$work/layout.diff"; then
  fault "the installed files differ from the expected ones (< missing, > unexpected):"
  grep '^[<>]' "$work/layout.diff" | head -20 >&2
fi

# The command links relatively into the private folder, so the whole tree
# can be moved, and the material is what the build generated, byte for byte.
link=$(readlink "$prefix/bin/chemdrill" || true)
[ "$link" = ../lib/chemdrill/chemdrill ] || fault "bin/chemdrill is not a link to ../lib/chemdrill/chemdrill (it is '${link:-no link}')"
[ -x "$private/chemdrill" ] || fault "lib/chemdrill/chemdrill is not executable"
for folder in "${folders[@]}"; do
  [ -d "$private/$folder" ] && diff -r "$build/$folder" "$private/$folder" >/dev/null ||
    fault "lib/chemdrill/$folder differs from the generated material"
done
bad_modes=$(find "$private" "$prefix/share" -mindepth 1 \
  \( -type d ! -perm 0755 \) -o \( -type f ! -perm 0644 ! -path "$private/chemdrill" \) | head -5)
[ -z "$bad_modes" ] || fault "material and desktop files must be 0644 in 0755 folders: $bad_modes"

# The desktop entry and the metainfo pass the standard validators (hints are
# shown, not failed) and name what is installed.
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || true
  if grep -qE ': (error|warning): ' "$work/desktop.log"; then
    fault "desktop-file-validate:"; cat "$work/desktop.log" >&2
  else
    sed -n 's/^.*: hint: /install_check: desktop-file-validate hint: /p' "$work/desktop.log"
  fi
  grep -qx 'Exec=chemdrill' "$desktop" || fault "the desktop entry does not run chemdrill"
  grep -qx "Icon=$id" "$desktop" || fault "the desktop entry does not name the icon $id"
fi
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 ||
    { fault "appstreamcli validate:"; cat "$work/metainfo.log" >&2; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fault "the metainfo does not launch $id.desktop"
fi
# Each icon is a PNG of its folder's size.
for s in "${icon_sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${s}x$s/apps/$id.png
  [ -f "$png" ] || continue
  header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
  # signature, IHDR chunk, width, height
  [ "$header" = "89504e470d0a1a0a0000000d49484452$(printf '%08x%08x' "$s" "$s")" ] ||
    fault "icon ${s}x$s is not a ${s}x$s PNG"
done

# What stderr holds beyond the offscreen platform's notes on window calls it
# has no use for (raise, size hints).
speaks() {
  grep -v '^This plugin does not support ' "$1" >"$1.rest" || true
  [ -s "$1.rest" ]
}

runtime=$work/runtime
mkdir -m 0700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

# The installed program, started through the link from another folder,
# comes up offscreen and keeps running without a word on stderr.
(cd / && QT_QPA_PLATFORM=offscreen exec "$prefix/bin/chemdrill") >"$work/run.out" 2>"$work/run.err" &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null || true
else
  wait "$pid" && status=0 || status=$?
  fault "the installed program ended within 2 s (status $status)"
fi
! speaks "$work/run.err" || { fault "the installed program wrote to stderr:"; head -20 "$work/run.err.rest" >&2; }

# Every screen loads over the installed material folder.
(cd / && QT_QPA_PLATFORM=offscreen exec "$installed_screens" "$private") >"$work/screens.out" 2>"$work/screens.err" &&
  status=0 || status=$?
if [ "$status" -ne 0 ] || speaks "$work/screens.err"; then
  fault "the screens do not load over the installed material (status $status):"
  cat "$work/screens.err" >&2
fi

# The installed program itself opens an exercise, driven from outside through
# the accessibility tree from another folder.
(cd / && bash "$atspi_walk" "$prefix/bin/chemdrill") >"$work/walk.log" 2>&1 ||
  { fault "the installed program did not open an exercise:"; cat "$work/walk.log" >&2; }

[ "$faults" -eq 0 ] || exit 1
echo "install_check: installed tree, validators, start from / and every screen over the installed material passed"
