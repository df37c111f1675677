#!/usr/bin/env python3
"""Times saving and reading a saved scan of the benchmark tree.

Export: kelmo --export (one thread walks in the order the file is written,
the others read ahead) against kelmo --report (a thread per processor walks
into the tree), kelmo --threads 1 --report and ncdu -x -o; and the export
compressed with zstd. Import of Kelmo's export of the tree: kelmo --report
--import against ncdu -f FILE -o /dev/null (which streams the file through
without building a tree) and gdu -n -f; and the same saved scan compressed
with zstd and with gzip, which should read as fast as the plain file.
Warm cache, interleaved rounds, median wall time and peak resident memory.
"""
import os
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from run import RUNS, measure  # noqa: E402  (GNU time's peak memory of the child alone)

TARGETS = [
    # (what, numerator, denominator, field, highest allowed or None, lowest allowed or None)
    ("export time / report time", "kelmo --export", "kelmo --report", 0, 1.15, None),
    ("export time / ncdu -o time", "kelmo --export", "ncdu -x -o", 0, 1.0, None),
    ("import time / ncdu -f time", "kelmo --report --import", "ncdu -f -o /dev/null", 0, 1.0, None),
    ("gdu -f time / import time", "gdu -n -f", "kelmo --report --import", 0, None, 3.0),
    ("zstd import / plain import", "kelmo --report --import .zst", "kelmo --report --import", 0, 1.15, None),
    ("gzip import / plain import", "kelmo --report --import .gz", "kelmo --report --import", 0, None, None),
    ("zstd export / plain export", "kelmo --export .zst", "kelmo --export", 0, None, None),
    ("import peak / report peak", "kelmo --report --import", "kelmo --report", 1, 1.5, None),
]


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: saved_scans.py KELMO TREE")
    kelmo, tree = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        saved = os.path.join(work, "kelmo.json")
        written = os.path.join(work, "written.json")
        subprocess.run([kelmo, "--export", saved, tree], check=True)
        subprocess.run([kelmo, "--export", saved + ".zst", tree], check=True)
        subprocess.run(["gzip", "-k", saved], check=True)
        tools = [
            ("kelmo --report", [kelmo, "--report", tree]),
            ("kelmo --threads 1 --report", [kelmo, "--threads", "1", "--report", tree]),
            ("kelmo --export", [kelmo, "--export", written, tree]),
            ("kelmo --export .zst", [kelmo, "--export", written + ".zst", tree]),
            ("ncdu -x -o", ["ncdu", "-x", "-o", written, tree]),
            ("kelmo --report --import", [kelmo, "--report", "--import", saved]),
            ("kelmo --report --import .zst", [kelmo, "--report", "--import", saved + ".zst"]),
            ("kelmo --report --import .gz", [kelmo, "--report", "--import", saved + ".gz"]),
            ("ncdu -f -o /dev/null", ["ncdu", "-f", saved, "-o", "/dev/null"]),
            ("gdu -n -f", ["gdu", "-n", "-f", saved]),
        ]
        for _, command in tools:  # warm the cache
            measure(command)
        runs = {name: [] for name, _ in tools}
        for _ in range(RUNS):
            for name, command in tools:
                runs[name].append(measure(command))
        size_mb = os.path.getsize(saved) / 1e6
    results = {name: (statistics.median(r[0] for r in measured), max(r[1] for r in measured))
               for name, measured in runs.items()}
    print("\nsaved scans (export of the tree: %.1f MB)" % size_mb)
    print("%-28s %10s %10s" % ("tool", "median s", "peak MB"))
    for name, (wall, rss) in results.items():
        print("%-28s %10.2f %10.1f" % (name, wall, rss))
    for what, top, bottom, field, highest, lowest in TARGETS:
        ratio = results[top][field] / results[bottom][field]
        if highest is None and lowest is None:
            print("%-28s %10.2f" % (what, ratio))
            continue
        target = "at most %.2f" % highest if highest is not None else "at least %.2f" % lowest
        met = (highest is None or ratio <= highest) and (lowest is None or ratio >= lowest)
        print("%-28s %10.2f   target %s: %s" % (what, ratio, target, "met" if met else "MISSED"))


if __name__ == "__main__":
    main()
