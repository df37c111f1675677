#!/usr/bin/env bash
# Builds the Debian package of a build tree in a temporary folder and checks
# what a user installs: every file in place, the dependencies computed from
# the binaries, no library path in the binaries, programs that run, and a
# desktop file, AppStream metadata and manual page that their tools accept.
# Exits 77 (skipped) where a tool is missing; scripts/install-deps.sh
# installs them all.
# Usage: check-package.sh BUILD_DIR
set -uo pipefail
build=$1
here=$(dirname "$0")
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool to build the package"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(find "$work" -maxdepth 1 -name 'kelmo_*.deb')
[ -n "$deb" ] || { echo "FAIL: cpack made no kelmo_*.deb"; exit 1; }
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"
root=$work/root
dpkg-deb -x "$deb" "$root"

metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
[ -n "$metainfo" ] || fail "no AppStream metainfo in usr/share/metainfo"
for file in usr/bin/kelmo usr/bin/kelmo-gui usr/share/applications/kelmo.desktop \
            usr/share/man/man1/kelmo.1.gz usr/share/icons/hicolor/scalable/apps/kelmo.svg \
            usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/kelmo.png; do
  [ -f "$root/$file" ] || fail "no $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
packages=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qxF "$library" <<<"$packages" || fail "Depends lacks $library: $depends"
done

"$here/check-runpath.sh" "$root" kelmo kelmo-gui || fail "a packaged binary carries a library path"
"$root/usr/bin/kelmo" --version | grep -q '^Kelmo ' || fail "the packaged kelmo does not run"
"$root/usr/bin/kelmo" --report "$root/usr/share" | grep -q '^icons' || fail "the packaged kelmo does not report"

missing=()
check() { # check TOOL COMMAND...: runs COMMAND when TOOL is installed
  local tool=$1
  shift
  if ! command -v "$tool" >/dev/null; then missing+=("$tool"); return; fi
  "$@" >"$work/tool.log" 2>&1 || { cat "$work/tool.log"; fail "$tool rejects the package's file"; }
}
check desktop-file-validate desktop-file-validate "$root/usr/share/applications/kelmo.desktop"
check appstreamcli appstreamcli validate --no-net "$metainfo"
zcat "$root/usr/share/man/man1/kelmo.1.gz" >"$work/kelmo.1"
check groff sh -c '! groff -man -ww -z "$1" 2>&1 | grep .' sh "$work/kelmo.1"

[ "$failures" -eq 0 ] || exit 1
[ ${#missing[@]} -eq 0 ] || { echo "SKIP: not installed: ${missing[*]}"; exit 77; }
echo "the package is complete"
