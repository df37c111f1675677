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
QT_QPA_PLATFORM=offscreen "$(dirname "$kelmo")/../bench/kelmo-navigation-bench"
