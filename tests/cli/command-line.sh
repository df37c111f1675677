#!/usr/bin/env bash
# The programs as a user starts them: bad command lines and no display give a
# message and an exit status, never a core dump; write errors are reported.
# Usage: command-line.sh KELMO KELMO_GUI
set -uo pipefail
kelmo=$1
gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run [VAR=value...] -- PROGRAM ARGS...: runs without any display, keeps the
# exit status in $status and standard error in $work/err.
run() {
  local settings=()
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${settings[@]}" "$@" >"$work/out" 2>"$work/err" </dev/null
  status=$?
}

expect_status() {
  [ "$status" -eq "$1" ] || fail "$2: exit status $status, wanted $1; stderr: $(head -c 300 "$work/err")"
}

mkdir -p "$work/tree/sub"
head -c 1000 /dev/zero >"$work/tree/sub/file"

# Each case is split at its blanks; "" stands for one empty argument.
for args in --bogus -reverse -style "" "--help extra" "--report a b" "--ex=x" "--threads 0" -t \
            "$work/tree $work/tree"; do
  if [ -z "$args" ]; then run -- "$kelmo" ""; else run -- "$kelmo" $args; fi
  expect_status 2 "kelmo '$args' without a display"
  grep -q '^Usage: kelmo' "$work/err" || fail "kelmo '$args': no usage on standard error"
done

# A path or saved scan that is not there is named as du names it.
for args in "$work/missing" "--report $work/missing" "--export - $work/missing" "--import $work/missing"; do
  run -- "$kelmo" $args
  expect_status 1 "kelmo $args"
  [ "$(cat "$work/err")" = "kelmo: cannot access '$work/missing': No such file or directory" ] ||
    fail "kelmo $args said: $(cat "$work/err")"
done

run -- "$kelmo" "$work/tree"
expect_status 1 "kelmo PATH without a display"
[ "$(cat "$work/err")" = "kelmo: cannot open the window: no display (set DISPLAY, or use --report)" ] ||
  fail "kelmo PATH without a display said: $(cat "$work/err")"
run DISPLAY= -- "$gui" "$work/tree"
expect_status 1 "kelmo-gui PATH with an empty DISPLAY"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "kelmo-gui without a display said: $(cat "$work/err")"
run DISPLAY=:7391 -- "$gui" "$work/tree"
expect_status 1 "kelmo-gui PATH with a display that is not there"

# With a display, kelmo hands the arguments as typed to kelmo-gui beside it.
# An invalid command line, wherever the fault, never opens the window (a
# script would wait on it), also where no kelmo-gui is installed.
[ "$(dirname "$gui")" = "$(dirname "$kelmo")" ] || fail "kelmo-gui is not built beside kelmo, which starts it from there"
mkdir "$work/bin" "$work/cli-only"
cp "$kelmo" "$work/bin/kelmo"
cp "$kelmo" "$work/cli-only/kelmo"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$work/gui-args" >"$work/bin/kelmo-gui"
chmod +x "$work/bin/kelmo-gui"
for args in "--bogus --report $work/tree" "--report $work/tree --bogus" "-reverse $work/tree" "$work/tree -style" \
            "--report -sz $work/tree" "$work/tree $work/tree"; do
  for program in "$work/bin/kelmo" "$work/cli-only/kelmo"; do
    run DISPLAY=:0 -- "$program" $args
    expect_status 2 "$program $args with a display"
    grep -q '^Usage: kelmo' "$work/err" || fail "$program $args with a display: no usage on standard error"
  done
  [ ! -e "$work/gui-args" ] || fail "kelmo $args opened the window"
done
# A repeated option takes its last value: no usage, just the window.
run DISPLAY=:0 -- "$work/bin/kelmo" --threads 4 --threads=5 -- "$work/tree"
[ ! -s "$work/err" ] || fail "kelmo --threads 4 --threads=5 PATH said: $(cat "$work/err")"
[ "$(cat "$work/gui-args" 2>/dev/null)" = "--threads
4
--threads=5
--
$work/tree" ] || fail "kelmo-gui was not given the repeated options as typed"

# A symbolic link given as PATH: the export counts the link, as du does; the
# window shows the directory it names, and says so.
ln -s tree "$work/slink"
run -- sh -c '"$1" --export - "$2" | "$1" --report -sb --import -' sh "$kelmo" "$work/slink"
[ "$(cat "$work/out")" = "$(stat -c %s "$work/slink")	$(realpath "$work")/slink" ] ||
  fail "the export of a link: $(cat "$work/out" "$work/err")"
run DISPLAY=:0 -- "$work/bin/kelmo" "$work/slink"
[ "$(cat "$work/err")" = "kelmo: '$work/slink' is a symbolic link: showing the directory it names, '$(realpath "$work/tree")'" ] ||
  fail "kelmo LINK said: $(cat "$work/err")"

# --largest names files below PATH as typed, with sizes as -h or --si write them.
run -- sh -c 'cd "$2" && "$1" --report --largest 1 -a --si tree' sh "$kelmo" "$work"
[ "$(cat "$work/out")" = "1.0k	tree/sub/file" ] || fail "--largest -a --si: $(cat "$work/out" "$work/err")"

run -- sh -c '"$1" --report "$2" >/dev/full' sh "$kelmo" "$work/tree"
expect_status 1 "kelmo --report to a full disk"
[ "$(cat "$work/err")" = "kelmo: write error: No space left on device" ] || fail "full disk: $(cat "$work/err")"

# A reader that stops early ends the report quietly, also where SIGPIPE is
# ignored and the write fails with EPIPE instead.
mkdir "$work/tree/a-rather-long-directory-name-"{1..3000}
run -- sh -c 'trap "" PIPE; "$1" --report "$2" | head -1 >/dev/null' sh "$kelmo" "$work/tree"
[ ! -s "$work/err" ] || fail "closed pipe said: $(cat "$work/err")"

# Saved scans: --import names a file that exists, or "-"; it goes with
# --report, whose operands are then more saved scans, or alone with the
# window.
run -- "$kelmo" --export "$work/scan.json" "$work/tree"
expect_status 0 "kelmo --export FILE PATH"
run -- "$kelmo" --report --import "$work/scan.json" "$work/tree"
expect_status 1 "kelmo --report --import FILE DIRECTORY"
grep -q "^kelmo: Cannot read saved scan '$work/tree': Is a directory\$" "$work/err" ||
  fail "a directory among the saved scans said: $(cat "$work/err")"
for args in "--import $work/scan.json --compare @7d" \
            "--export $work/other.json --import $work/scan.json" "--export" "--export a b c"; do
  run -- "$kelmo" $args
  expect_status 2 "kelmo '$args'"
  grep -q '^Usage: kelmo' "$work/err" || fail "kelmo '$args': no usage on standard error"
done
for scan in "$work/scan.json" -; do
  run DISPLAY=:0 -- "$work/bin/kelmo" --import "$scan"
  [ "$(cat "$work/gui-args" 2>/dev/null)" = "--import
$scan" ] || fail "kelmo-gui was not given --import $scan as typed"
done

# The report of a saved scan, also gzip-compressed through standard input,
# is the report of the tree.
"$kelmo" --report "$work/tree" >"$work/live" 2>&1
run -- sh -c 'gzip -c "$2" | "$1" --report --import -' sh "$kelmo" "$work/scan.json"
expect_status 0 "kelmo --report --import - from gzip"
cmp -s "$work/out" "$work/live" || fail "the report of the saved scan differs from the live one"
# FILE.zst is written compressed with zstd, and read back through standard input too.
run -- "$kelmo" --export "$work/scan.json.zst" "$work/tree"
expect_status 0 "kelmo --export FILE.zst PATH"
run -- sh -c 'cat "$2" | "$1" --report --import -' sh "$kelmo" "$work/scan.json.zst"
cmp -s "$work/out" "$work/live" || fail "the report of the zstd saved scan differs from the live one"
if command -v zstd >/dev/null; then
  zstd -q -d -c "$work/scan.json.zst" | tail -n +2 | cmp -s - <(tail -n +2 "$work/scan.json") ||
    fail "zstd -d does not give the plain export"
fi
run -- sh -c 'printf "[2,0" | "$1" --report --import -' sh "$kelmo"
expect_status 1 "kelmo --report --import of a damaged scan"
[ "$(cat "$work/err")" = "kelmo: Saved scan is damaged at byte 1: major version 2 is not supported, only 1" ] ||
  fail "damaged scan said: $(cat "$work/err")"

# Comparing: --compare OLD goes with --report NEW, --depth N with --compare;
# a saved scan against the tree it was made of changes nothing.
for args in "--export $work/out.json --compare $work/scan.json"; do
  run -- "$kelmo" $args
  expect_status 2 "kelmo '$args'"
  grep -q '^Usage: kelmo' "$work/err" || fail "kelmo '$args': no usage on standard error"
done
run -- "$kelmo" --report --import "$work/scan.json" --compare "$work/scan.json"
expect_status 0 "kelmo --report --import FILE --compare FILE"
grep -q '^Change    : 0$' "$work/out" || fail "a saved scan compared with itself: $(head -c 300 "$work/out")"
run -- "$kelmo" --report --compare "$work/scan.json" "$work/tree" --depth 1
expect_status 0 "kelmo --report --compare OLD NEW --depth 1"
[ "$(grep -c $'\t0$' "$work/out")" -eq "$(find "$work/tree" -mindepth 1 -maxdepth 1 -type d | wc -l)" ] ||
  fail "comparing a saved scan with its tree: $(head -c 300 "$work/out")"
run -- sh -c 'printf "[2,0" | "$1" --report --compare - "$2"' sh "$kelmo" "$work/tree"
expect_status 1 "kelmo --report --compare of a damaged scan"
[ "$(cat "$work/err")" = "kelmo: Saved scan is damaged at byte 1: major version 2 is not supported, only 1" ] ||
  fail "damaged scan to compare said: $(cat "$work/err")"

# A failed write leaves no half-written file, nor spoils the one there.
run -- sh -c '"$1" --export - "$2" >/dev/full' sh "$kelmo" "$work/tree"
expect_status 1 "kelmo --export - to a full disk"
[ "$(cat "$work/err")" = "kelmo: write error: No space left on device" ] || fail "export to a full disk: $(cat "$work/err")"
echo old >"$work/kept.json"
run -- sh -c 'ulimit -f 1; trap "" XFSZ; exec "$1" --export "$2" "$3"' sh "$kelmo" "$work/kept.json" "$work/tree"
expect_status 1 "kelmo --export past the file size limit"
[ "$(cat "$work/err")" = "kelmo: cannot write '$work/kept.json': File too large" ] || fail "export past the limit: $(cat "$work/err")"
[ "$(cat "$work/kept.json")" = old ] || fail "a failed export changed the file that was there"
echo old >"$work/kept.zst"
run -- sh -c 'ulimit -f 1; trap "" XFSZ; exec "$1" --export "$2" "$3"' sh "$kelmo" "$work/kept.zst" "$work/tree"
[ "$status" -eq 1 ] && [ "$(cat "$work/err")" = "kelmo: cannot write '$work/kept.zst': File too large" ] ||
  fail "zstd export past the limit: $status $(cat "$work/err")"
[ "$(cat "$work/kept.zst")" = old ] || fail "a failed zstd export changed the file that was there"
ls -A "$work" | grep -q '^\.kept' && fail "a failed export left its temporary file"

# What is not a regular file is written to, never replaced (as root, a
# rename would put a plain file in place of /dev/null): a pipe stays a pipe,
# a symbolic link keeps pointing at the file it names.
mkfifo "$work/pipe"
timeout 60 cat "$work/pipe" >"$work/piped.json" &
run -- "$kelmo" --export "$work/pipe" "$work/tree"
wait
[ -p "$work/pipe" ] || fail "export to a pipe replaced the pipe"
tail -n +2 "$work/piped.json" | cmp -s - <(tail -n +2 "$work/scan.json") || fail "export to a pipe wrote something else"
ln -s scan.json "$work/link.json"
run -- "$kelmo" --export "$work/link.json" "$work/tree"
[ -L "$work/link.json" ] || fail "export through a symbolic link replaced the link"

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit $((failures > 0))
