#!/usr/bin/env bash
# scripts/look-screenshots.sh KELMO-GUI SAVED-SCAN OUTDIR: the window on a
# saved scan under Xvfb and openbox, in the classic look (look-classic.png)
# and in the desktop look on a dark desktop (look-desktop-dark.png).
#
# The dark desktop is KDE's, as Qt's own KDE support reads it without any
# KDE package: XDG_CURRENT_DESKTOP=KDE and a kdeglobals file with Breeze
# Dark's colours, in a configuration folder of the script's own (where the
# window keeps its settings too, away from the real ones).
set -euo pipefail
gui=$(realpath "$1")
scan=$(realpath "$2")
out=$(realpath "$3")

if [ -z "${KELMO_IN_XVFB:-}" ]; then
  KELMO_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/classic" "$work/dark"
cat >"$work/dark/kdeglobals" <<'COLOURS'
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:View]
BackgroundNormal=35,38,41
BackgroundAlternate=49,54,59
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177
ForegroundLink=29,153,243
ForegroundVisited=155,89,182
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
ForegroundInactive=161,169,177
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
COLOURS

openbox >/dev/null 2>&1 &
openbox_pid=$!
sleep 1

shot() { # name, configuration folder, then the environment and options
  local name=$1 config=$2
  shift 2
  env XDG_CONFIG_HOME="$config" "$@" "$gui" --import "$scan" ${KELMO_LOOK:+--look=$KELMO_LOOK} >/dev/null 2>&1 &
  local pid=$!
  sleep 4
  xdotool mousemove 0 767
  sleep 0.5
  import -window root "$out/$name.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

shot look-classic "$work/classic"
KELMO_LOOK=desktop shot look-desktop-dark "$work/dark" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
kill "$openbox_pid"
echo "Screenshots in $out"
