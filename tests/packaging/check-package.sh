#!/usr/bin/env bash
# Builds the Debian packages kelmo-cli and kelmo from the source tree in a
# temporary folder and checks what a user installs: every file in its package,
# kelmo-cli free of Qt, the dependencies computed from the binaries, hardened
# binaries with no library path, programs that run, and a desktop file,
# AppStream metadata, manual page and packages that their tools accept.
# Nothing is installed on this system: the packages are unpacked into the
# temporary folder. Exits 77 (skipped) where a tool is missing;
# scripts/install-deps.sh installs them all.
# Usage: check-package.sh SOURCE_DIR APP_ID VERSION
set -uo pipefail
source=$1
app_id=$2
version=$3
here=$(dirname "$0")
for tool in dpkg-buildpackage dh dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool to build the packages"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$source/scripts/build-debian-package.sh" "$source" "$work" >"$work/build.log" 2>&1 ||
  { tail -n 40 "$work/build.log"; exit 1; }
# The build runs the tests, unless DEB_BUILD_OPTIONS says nocheck.
case " ${DEB_BUILD_OPTIONS:-} " in
  *" nocheck "*) ;;
  *) grep -qE '^100% tests passed, 0 tests failed out of [1-9]' "$work/build.log" ||
       fail "the package build did not run the tests" ;;
esac
cli=$(find "$work" -maxdepth 1 -name 'kelmo-cli_*.deb')
gui=$(find "$work" -maxdepth 1 -name 'kelmo_*.deb')
[ -n "$cli" ] && [ -n "$gui" ] || { echo "FAIL: no kelmo-cli_*.deb and kelmo_*.deb"; ls "$work"; exit 1; }
for deb in "$cli" "$gui"; do
  echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
    fail "$(basename "$deb") is not version $version: debian/changelog and CMakeLists.txt differ"
done

# Each package's files, and nothing of the window in kelmo-cli.
expect_files() { # expect_files DEB FILE...
  local deb=$1
  shift
  dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$work/contents"
  for file in "$@"; do grep -qxF "$file" "$work/contents" || fail "$(basename "$deb") lacks $file"; done
}
expect_files "$cli" usr/bin/kelmo usr/share/man/man1/kelmo.1.gz usr/share/doc/kelmo-cli/copyright \
  "usr/share/metainfo/$app_id.cli.metainfo.xml"
expect_files "$gui" usr/libexec/kelmo/kelmo-gui "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" usr/share/icons/hicolor/scalable/apps/kelmo.svg \
  usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/kelmo.png usr/share/doc/kelmo/copyright

depends() { dpkg-deb -f "$1" Depends | sed 's/ ([^)]*)//g; s/, */\n/g'; }
depends "$cli" | grep -i 'qt' && fail "kelmo-cli depends on Qt: $(dpkg-deb -f "$cli" Depends)"
dpkg-deb -f "$gui" Depends | grep -qF "kelmo-cli (= $version)" ||
  fail "kelmo does not depend on this kelmo-cli: $(dpkg-deb -f "$gui" Depends)"
depends "$gui" | grep -qx libqt6widgets6 || fail "kelmo does not depend on Qt: $(dpkg-deb -f "$gui" Depends)"

# kelmo-cli alone does what a server asks of it; then the window joins it.
root=$work/root
dpkg-deb -x "$cli" "$root"
"$root/usr/bin/kelmo" --version | grep -q '^Kelmo ' || fail "the packaged kelmo does not run"
"$root/usr/bin/kelmo" --report "$root/usr/share" | grep -q '^man' || fail "the packaged kelmo does not report"
"$root/usr/bin/kelmo" --export "$work/scan.json" "$root/usr/share" && [ -s "$work/scan.json" ] || fail "the packaged kelmo does not export"
# The autopkgtest, on the unpacked command instead of an installed one.
mkdir "$work/autopkgtest"
AUTOPKGTEST_TMP=$work/autopkgtest KELMO=$root/usr/bin/kelmo "$source/debian/tests/du-figures" >"$work/tool.log" 2>&1 ||
  { cat "$work/tool.log"; fail "the autopkgtest fails on the packaged kelmo"; }
grep -qF /usr/libexec/kelmo/kelmo-gui "$root/usr/bin/kelmo" ||
  fail "the packaged kelmo does not look for kelmo-gui in /usr/libexec/kelmo"
dpkg-deb -x "$gui" "$root"
"$here/check-runpath.sh" "$root" kelmo kelmo-gui || fail "a packaged binary carries a library path"

missing=()
check() { # check TOOL COMMAND...: runs COMMAND when TOOL is installed
  local tool=$1
  shift
  if ! command -v "$tool" >/dev/null; then missing+=("$tool"); return; fi
  "$@" >"$work/tool.log" 2>&1 || { cat "$work/tool.log"; fail "$tool rejects the packages"; }
}
# PIE, stack protector, fortified calls, RELRO and bindnow, as dpkg-buildflags
# gives them with hardening=+all (control-flow protection only from dpkg 1.22).
check hardening-check hardening-check --nocfprotection "$root/usr/bin/kelmo" "$root/usr/libexec/kelmo/kelmo-gui"
check desktop-file-validate desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check appstreamcli appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" \
  "$root/usr/share/metainfo/$app_id.cli.metainfo.xml"
# The kelmo command is provided by the package that ships it, not by the window's.
grep -qF '<binary>kelmo</binary>' "$root/usr/share/metainfo/$app_id.cli.metainfo.xml" ||
  fail "kelmo-cli's AppStream metadata does not provide the kelmo binary"
grep -qF '<binary>' "$root/usr/share/metainfo/$app_id.metainfo.xml" &&
  fail "the window's AppStream metadata provides a binary its package does not ship"
zcat "$root/usr/share/man/man1/kelmo.1.gz" >"$work/kelmo.1"
check groff sh -c '! groff -man -ww -z "$1" 2>&1 | grep .' sh "$work/kelmo.1"
# lintian: no error and no warning; the README names each info tag left.
if command -v lintian >/dev/null; then
  lintian --pedantic --display-info "$cli" "$gui" 2>/dev/null >"$work/lintian.log"
  cat "$work/lintian.log"
  grep -qE '^[EW]: ' "$work/lintian.log" && fail "lintian finds errors or warnings"
else
  missing+=(lintian)
fi

[ "$failures" -eq 0 ] || exit 1
[ ${#missing[@]} -eq 0 ] || { echo "SKIP: not installed: ${missing[*]}"; exit 77; }
echo "the packages are complete"
