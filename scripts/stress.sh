#!/usr/bin/env bash
# Runs the walk's concurrency and descriptor tests RUNS times (200 unless
# set), each run a process of its own, beside a busy loop on every
# processor, and says how many runs failed. Usage: scripts/stress.sh SURVEY_TESTS
set -uo pipefail
tests=$(realpath "$1")
runs=${RUNS:-200}
filter='ScanRealTree.FewDescriptors*:ScanRealTree.AWalkShort*:ScanRealTree.AnOpenRefused*:ScanRealTree.OneThreadAndFour*'
filter+=':ScanFake*:ParallelWalk*:PrefetchingSource*'
log=$(mktemp)
hogs=()
trap 'kill "${hogs[@]}" 2> /dev/null; rm -f "$log"' EXIT
for ((i = 0; i < $(nproc); i++)); do
    (while :; do :; done) &
    hogs+=($!)
done
failures=0
for ((run = 1; run <= runs; run++)); do
    if ! "$tests" --gtest_filter="$filter" --gtest_brief=1 > "$log" 2>&1; then
        failures=$((failures + 1))
        echo "run $run failed:"
        cat "$log"
    fi
    echo "run $run of $runs: $failures failed, ${SECONDS} s"
done
echo "$runs runs, $failures failed, ${SECONDS} s beside $(nproc) busy loops"
((failures == 0))
