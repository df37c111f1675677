#!/usr/bin/env bash
# Runs kelmo --export under every descriptor limit from 5 to 20, with 2 and
# 16 threads, on a tree with a 300-level chain, and says for each whether
# the export came out whole (the same as without a limit), failed with a
# message, or had to be killed. Usage: scripts/export-under-limits.sh KELMO
set -euo pipefail
kelmo=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Each level: three side directories with a file, and the way down, which
# this file system may list before or after them.
path=tree
for ((level = 0; level < 300; level++)); do
    for side in s0 s1 s2; do
        mkdir -p "$path/$side" && echo x > "$path/$side/f"
    done
    path=$path/c
done
mkdir -p "$path"
"$kelmo" --export whole.json tree
tail -n +2 whole.json > whole.body

# Under the limit, with no descriptor above 2 left open from this shell.
export_limited() {
    local limit=$1 threads=$2
    (
        for fd in /proc/self/fd/*; do
            fd=${fd##*/}
            if ((fd > 2)); then eval "exec $fd>&-" 2> /dev/null || true; fi
        done
        ulimit -n "$limit"
        exec timeout 60 "$kelmo" --export out.json --threads "$threads" tree
    ) > /dev/null 2> err.txt
}

for ((limit = ${FIRST_LIMIT:-5}; limit <= ${LAST_LIMIT:-20}; limit++)); do
    for threads in 2 16; do
        rm -f out.json
        status=0
        export_limited "$limit" "$threads" || status=$?
        if ((status == 124)); then
            verdict="SPUN: killed after 60 s"
        elif ((status == 0)) && tail -n +2 out.json | cmp -s - whole.body; then
            verdict="whole"
        else
            verdict="exit $status, $(wc -l < err.txt) message(s): $(head -n 1 err.txt)"
        fi
        echo "ulimit -n $limit, $threads threads: $verdict"
    done
done
