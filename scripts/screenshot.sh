#!/usr/bin/env bash
# make screenshot: runs the real program under Xvfb on a small photo drive and
# saves what a person sees to screenshots/: the scan splash, the main window,
# a selection, the About box, an information window, and the README's two
# pictures (kelmo-main.png at the drive's root, kelmo-deep.png two levels
# down with a slice selected), which are copied to docs/ by hand.
#
# The drive is a RAM disk mounted at /media/photos in a private mount
# namespace (unshare), so nothing outside this script sees it; Kelmo finds it
# in its own mount table. Its files take real space, so their disk usage and
# their apparent size agree.
set -euo pipefail
kelmo=$(realpath "$1")
out="$(pwd)/screenshots"
mkdir -p "$out"

if [ -z "${KELMO_IN_NAMESPACE:-}" ]; then
  flags=(--mount --propagation private)
  [ "$(id -u)" -eq 0 ] || flags+=(--map-root-user)
  KELMO_IN_NAMESPACE=1 exec unshare "${flags[@]}" xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

drive=/media/photos
# The topmost directory this script had to create, removed again at the end.
created=""
if [ ! -d "$drive" ]; then
  created=$drive
  while [ ! -d "$(dirname "$created")" ]; do created=$(dirname "$created"); done
  mkdir -p "$drive"
fi
mount -t tmpfs -o size=96m photos "$drive"

cleanup() {
  umount "$drive" 2>/dev/null || true
  if [ -n "$created" ]; then
    dir=$drive
    while :; do
      rmdir "$dir"
      [ "$dir" = "$created" ] && break
      dir=$(dirname "$dir")
    done
  fi
}
trap cleanup EXIT

photos() { # directory, megabytes, count
  mkdir -p "$drive/$1"
  for i in $(seq "$3"); do fallocate -l "$(( $2 * 1024 * 1024 / $3 ))" "$drive/$1/IMG_$i.jpg"; done
}
photos "2019/Lisbon" 9 6
photos "2019/Birthday" 3 3
photos "2020/Garden" 4 4
photos "2021/Iceland/Reykjavik" 5 5
photos "2021/Iceland/Glacier walk" 7 6
photos "2021/Iceland/Geysir" 3 3
photos "2021/Iceland/Ring Road" 4 4
photos "2021/Iceland/Northern Lights" 6 4
photos "2021/Wedding" 5 5
photos "2022/Kyoto" 6 6
photos "Scans" 2 4
photos "Videos" 12 2
photos "Edits" 3 3
fallocate -l 300000 "$drive/index.db"

shot() { sleep "$1"; import -window root "$out/$2.png"; }
# The main window is centred on the 1024 x 768 screen: client origin below.
origin_x=$(( (1024 - 634) / 2 ))
origin_y=$(( (768 - 453) / 2 ))
window_shot() { shot "$1" "$2"; convert "$out/$2.png" -crop "634x453+$origin_x+$origin_y" +repage "$out/$2.png"; }
click() { xdotool mousemove $((origin_x + $1)) $((origin_y + $2)) click "${3:-1}"; }
# The legend has the keyboard focus: typing the start of a name selects its
# entry.
select_entry() { xdotool type --delay 40 "$1"; sleep 0.5; }

"$kelmo" "$drive" &
pid=$!
shot 0.3 splash
window_shot 4 kelmo-main
click 380 140               # select the first legend entry
shot 0.5 main-selected
click 580 410                # About
shot 1.2 about
xdotool mousemove $(( (1024 - 320) / 2 + 257 )) $(( (768 - 240) / 2 + 195 )) click 1   # OK
sleep 0.5
click 380 370 3              # the legend's menu, below its entries: on the root
sleep 0.5
# Past "Open in File Manager", "Copy Path" and "Files..." ("Move to Trash..."
# and "Sub Info" are greyed without a selection) to "Root Info".
xdotool key Down Down Down Down Return
shot 1 information
info=$(xdotool search --onlyvisible --name "Sub-Directory Information" | head -1)
eval "$(xdotool getwindowgeometry --shell "$info")"
xdotool mousemove $((X + 25)) $((Y + 20)) click 1   # its OK button
sleep 0.5
select_entry 2021
xdotool key Return
sleep 0.5
select_entry Ic
xdotool key Return
sleep 0.5
select_entry Gl
window_shot 0.5 kelmo-deep
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Screenshots in $out"
