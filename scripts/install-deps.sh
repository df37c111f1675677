#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when some are missing.
# Usage: install-deps.sh build|bench|screenshot
set -euo pipefail

build=(cmake make g++ qt6-base-dev libgtest-dev fonts-dejavu-core fonts-liberation fonts-noto-mono)
bench=(ncdu gdu python3 time)
screenshot=(xvfb xauth imagemagick xdotool)

case "${1:-build}" in
  build) wanted=("${build[@]}") ;;
  bench) wanted=("${build[@]}" "${bench[@]}") ;;
  screenshot) wanted=("${build[@]}" "${screenshot[@]}") ;;
  *) echo "usage: $0 build|bench|screenshot" >&2; exit 2 ;;
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
