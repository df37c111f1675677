#!/usr/bin/env bash
# make screenshot: runs the real program under Xvfb on a small generated drive
# and saves what a person sees to screenshots/: the scan splash, the main
# window, the About box and an information window.
#
# The drive is a RAM disk mounted in a private mount namespace (unshare), so
# nothing outside this script sees it; Kelmo finds it in its own mount table.
set -euo pipefail
kelmo=$(realpath "$1")
out="$(pwd)/screenshots"
mkdir -p "$out"

if [ -z "${KELMO_IN_NAMESPACE:-}" ]; then
  flags=(--mount --propagation private)
  [ "$(id -u)" -eq 0 ] || flags+=(--map-root-user)
  KELMO_IN_NAMESPACE=1 exec unshare "${flags[@]}" xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

drive=$(mktemp -d /tmp/kelmo-shot-XXXXXX)
mount -t tmpfs -o size=64m kelmo-demo "$drive"
make_dir() { mkdir -p "$drive/$1"; }
make_file() { mkdir -p "$(dirname "$drive/$1")"; truncate -s "$2" "$drive/$1"; }
make_file "notes.txt" 1200
make_file "home/alice/Videos/holiday.mkv" 900000000
make_file "home/alice/Music/album/track01.flac" 350000000
make_file "home/alice/Documents/thesis.pdf" 48000000
make_file "home/bob/Downloads/debian.iso" 650000000
make_file "usr/lib/libbig.so" 420000000
make_file "usr/share/doc/README" 90000000
make_file "var/log/syslog" 210000000
make_file "opt/games/data.pak" 300000000
make_file "srv/www/index.html" 40000000
make_file "tmp/scratch.bin" 25000000
make_dir "home/alice/Empty Folder"

shot() { sleep "$1"; import -window root "$out/$2.png"; }
# The main window is centred on the 1024 x 768 screen: client origin below.
origin_x=$(( (1024 - 634) / 2 ))
origin_y=$(( (768 - 453) / 2 ))
click() { xdotool mousemove $((origin_x + $1)) $((origin_y + $2)) click "${3:-1}"; }

"$kelmo" "$drive" &
pid=$!
shot 0.3 splash
shot 4 main
click 380 140               # select the first legend entry
shot 0.5 main-selected
click 580 410                # About
shot 1.2 about
xdotool key Escape || true
xdotool mousemove $(( (1024 - 320) / 2 + 257 )) $(( (768 - 240) / 2 + 195 )) click 1   # OK
sleep 0.5
click 380 240 3              # legend context menu
sleep 0.5
xdotool key Down Down Return # "Root Info"
shot 1 information
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
umount "$drive"
rmdir "$drive"
echo "Screenshots in $out"
