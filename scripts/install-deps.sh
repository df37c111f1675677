#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when some are missing.
# Usage: install-deps.sh build|bench|screenshot|icons
set -euo pipefail

# dpkg-dev and debhelper build the Debian packages; desktop-file-utils,
# appstream, lintian and devscripts (hardening-check) are the package test's
# checks (groff-base checks the manual page). fonts-noto-mono: a fixed font taller than the default.
# rapidjson-dev, zlib1g-dev and libzstd-dev read saved scans; ncdu and gdu
# write and read them in the tests that exchange saved scans with them, and
# zstd compresses them there. dbus-daemon gives the window's tests a session
# bus, where a stand-in file manager answers. clang-format: make format and
# make format-check. python3-jsonschema checks the JSON report against its schema.
# qt6-tools-dev (Qt6LinguistTools for CMake) and qt6-l10n-tools (lupdate,
# lrelease) build the window's translations; qt6-translations-l10n has Qt's
# own texts in other languages, which the window loads where present.
# xvfb, xdotool, at-spi2-core and python3-pyatspi: the test that reads the
# window over AT-SPI, as a screen reader does.
build=(cmake make g++ clang-format qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgtest-dev fonts-dejavu-core fonts-liberation fonts-noto-mono
       dpkg-dev debhelper desktop-file-utils appstream lintian devscripts groff-base rapidjson-dev zlib1g-dev
       libzstd-dev zstd ncdu gdu dbus-daemon python3-jsonschema xvfb xdotool at-spi2-core python3-pyatspi)
bench=(ncdu gdu duc python3 time)
screenshot=(xvfb xauth imagemagick xdotool)
icons=(librsvg2-bin)

case "${1:-build}" in
  build) wanted=("${build[@]}") ;;
  bench) wanted=("${build[@]}" "${bench[@]}") ;;
  screenshot) wanted=("${build[@]}" "${screenshot[@]}") ;;
  icons) wanted=("${icons[@]}") ;;
  *) echo "usage: $0 build|bench|screenshot|icons" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
