#!/usr/bin/env bash
# The committed translations are in step with the window's sources and
# complete: lupdate, run as the build runs it on a copy of each .ts, changes
# nothing (no text of the sources is missing, none is left over), and no
# text waits for its translation.
# Usage: translations-in-step.sh LUPDATE SOURCE_LIST OPTIONS -- TS_FILE...
set -uo pipefail
lupdate=$1 sources=$2 options=$3
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # shellcheck disable=SC2086 # the options are words of their own
  "$lupdate" $options "@$sources" -ts "$copy" >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
  if ! diff -u "$ts" "$copy"; then
    echo "$ts is not in step with the sources: build update_translations and translate what is new"
    status=1
  fi
  if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$ts"; then
    echo "$ts has texts without a finished translation"
    status=1
  fi
done
exit $status
