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
for args in --bogus -reverse -style -- "" "--help extra" --report "--report a b" \
            "$work/tree $work/tree" "$work/missing"; do
  if [ -z "$args" ]; then run -- "$kelmo" ""; else run -- "$kelmo" $args; fi
  expect_status 2 "kelmo '$args' without a display"
  grep -q '^Usage: kelmo' "$work/err" || fail "kelmo '$args': no usage on standard error"
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

# With a display, kelmo hands the arguments as typed to kelmo-gui beside it,
# even invalid ones: the window then shows its usage box.
mkdir "$work/bin"
cp "$kelmo" "$work/bin/kelmo"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$work/gui-args" >"$work/bin/kelmo-gui"
chmod +x "$work/bin/kelmo-gui"
run DISPLAY=:0 -- "$work/bin/kelmo" -reverse "$work/tree"
expect_status 0 "kelmo -reverse PATH with a display"
grep -q '^Usage: kelmo' "$work/err" || fail "kelmo -reverse PATH with a display: no usage on standard error"
[ "$(cat "$work/gui-args" 2>/dev/null)" = "-reverse
$work/tree" ] || fail "kelmo-gui was not given the arguments as typed"

run -- sh -c '"$1" --report "$2" >/dev/full' sh "$kelmo" "$work/tree"
expect_status 1 "kelmo --report to a full disk"
[ "$(cat "$work/err")" = "kelmo: write error: No space left on device" ] || fail "full disk: $(cat "$work/err")"

# A reader that stops early ends the report quietly, also where SIGPIPE is
# ignored and the write fails with EPIPE instead.
for i in $(seq 3000); do mkdir "$work/tree/a-rather-long-directory-name-$i"; done
run -- sh -c 'trap "" PIPE; "$1" --report "$2" | head -1 >/dev/null' sh "$kelmo" "$work/tree"
[ ! -s "$work/err" ] || fail "closed pipe said: $(cat "$work/err")"

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit $((failures > 0))
