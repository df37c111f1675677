#!/usr/bin/env bash
# make bench: generates the benchmark tree once (kept under $TMPDIR between
# runs), then times Kelmo and its peers on it.
set -euo pipefail
kelmo=$(realpath "$1")
here=$(dirname "$0")
tree="${KELMO_BENCH_TREE:-${TMPDIR:-/tmp}/kelmo-bench-tree}"
stamp="$tree/.generated"
if [ ! -f "$stamp" ]; then
  rm -rf "$tree"
  python3 "$here/generate_tree.py" "$tree"
  touch "$stamp"
fi
python3 "$here/run.py" "$kelmo" "$tree"
python3 "$here/saved_scans.py" "$kelmo" "$tree"
"$(dirname "$kelmo")/../bench/mount-table-bench"
