#!/usr/bin/env bash
# kelmo's bash completion as the shell runs it on TAB, without a terminal.
# Usage: completion.sh KELMO_BASH_COMPLETION
set -uo pipefail
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir dir-one && touch scan.json
failures=0

# complete LINE...: the words the completion offers for the last word of LINE.
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _kelmo kelmo "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  echo "${COMPREPLY[*]}"
}

expect() {
  local wanted=$1
  shift
  local got
  got=$(complete_words "$@")
  [ "$got" = "$wanted" ] || { echo "FAIL: kelmo ${*:2}<TAB> gave '$got', wanted '$wanted'"; failures=$((failures + 1)); }
}

[[ $(complete -p kelmo) == *"-F _kelmo"* ]] || { echo "FAIL: no completion registered for kelmo"; failures=$((failures + 1)); }
expect "--threads" kelmo --thr
expect "--exclude --exclude-from" kelmo --excl
expect "scan.json" kelmo --import sc
expect "scan.json" kelmo --export = sc
expect "scan.json" kelmo --report --compare sc
expect "dir-one" kelmo --compare = dir
expect "" kelmo -t ""
expect "size" kelmo --report --sort = s
expect "size name" kelmo --sort ""
expect "dir-one" kelmo --report d
expect "scan.json" kelmo --import scan.json sc
expect "scan.json" kelmo --report --import = scan.json --compare scan.json sc

[ "$failures" -eq 0 ] && echo "bash completion offers what it should"
exit $((failures > 0))
