#!/usr/bin/env bash
# The window as a screen reader reads it: kelmo on a saved scan of a tree of
# its own, under Xvfb, on a private D-Bus session with the accessibility bus,
# read over AT-SPI with pyatspi (screen-reader.py says what is checked).
# Usage: screen-reader.sh KELMO
set -uo pipefail
kelmo=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's, which has pyatspi

if [ "${KELMO_ON_PRIVATE_BUS:-}" != 1 ]; then
  for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  [ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || { echo "skipped: AT-SPI (at-spi2-core) is missing"; exit 77; }
  "$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: pyatspi (python3-pyatspi) is missing"; exit 77; }
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  display=$(cat "$display_file")
  rm -f "$display_file"
  [ -n "$display" ] || { kill "$xvfb"; echo "skipped: Xvfb did not start"; exit 77; }
  # The accessibility bus and its registry start from the private session
  # and must reach the same display.
  DISPLAY=:$display KELMO_ON_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@" 2>&1 | grep -v 'fd limit'
  status=${PIPESTATUS[0]}
  kill "$xvfb"
  exit "$status"
fi

work=$(mktemp -d)
trap 'kill "$window" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
tree=$work/tree
mkdir -p "$tree/a directory with a name far longer than the key shows" "$tree/media, old/deep" "$tree/src"
head -c 300000 /dev/zero >"$tree/a directory with a name far longer than the key shows/big"
head -c 120000 /dev/zero >"$tree/media, old/deep/clip"
head -c 9000 /dev/zero >"$tree/src/main.c"
head -c 5000 /dev/zero >"$tree/top-level file"
"$kelmo" --export "$work/tree.json" "$tree" || { echo "FAIL: --export exited $?"; exit 1; }

mkdir "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$kelmo" --import "$work/tree.json" &
window=$!
"$python" "$here/screen-reader.py" "$tree" "$window"
