#!/usr/bin/env bash
# make bench [COLD=1]: generates the benchmark trees once (kept under $TMPDIR
# between runs), then times Kelmo and its peers on them.
set -euo pipefail
kelmo=$(realpath "$1")
here=$(dirname "$0")
bench_bin="$(dirname "$kelmo")/../bench"

# generate TREE SCRIPT: builds a tree once, with a stamp when it is complete.
generate() {
  if [ ! -f "$1/.generated" ]; then
    rm -rf "$1"
    python3 "$here/$2" "$1"
    touch "$1/.generated"
  fi
}

tree="${KELMO_BENCH_TREE:-${TMPDIR:-/tmp}/kelmo-bench-tree}"
dirs="${KELMO_BENCH_DIRS:-${TMPDIR:-/tmp}/kelmo-bench-dirs}"
generate "$tree" generate_tree.py
if [ -n "${COLD:-}" ]; then
  python3 "$here/run.py" --cold "$kelmo" "$tree"
  exit 0
fi
generate "$dirs" generate_dirs.py
python3 "$here/run.py" "$kelmo" "$tree" "$dirs"
python3 "$here/saved_scans.py" "$kelmo" "$tree"
"$bench_bin/mount-table-bench"
QT_QPA_PLATFORM=offscreen "$bench_bin/kelmo-navigation-bench"
"$bench_bin/compare-bench"
QT_QPA_PLATFORM=offscreen "$bench_bin/files-bench"
