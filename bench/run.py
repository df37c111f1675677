#!/usr/bin/env python3
"""Times kelmo --report against du, ncdu and gdu on the generated tree.

Every tool walks the same tree with a warm cache, in interleaved rounds; the
median wall time and the peak resident memory are printed, and each peer's
time divided by Kelmo's.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 7


def measure(command):
    """Wall seconds and peak RSS (MB) of one run.

    GNU time reports the child's own peak memory; a child started from this
    Python process would count the interpreter's pages copied before exec.
    """
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + command,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        wall = time.perf_counter() - start
        peak_kb = int(report.read().split()[-1])
    return wall, peak_kb / 1024.0


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: run.py KELMO TREE")
    kelmo, tree = sys.argv[1], sys.argv[2]
    tools = [
        ("kelmo --report", [kelmo, "--report", tree]),
        ("du -sxb", ["du", "-sxb", tree]),
        ("ncdu -x -o /dev/null", ["ncdu", "-x", "-o", "/dev/null", tree]),
        ("gdu -n -x", ["gdu", "-n", "-x", tree]),
    ]
    for _, command in tools:  # warm the cache
        measure(command)
    # Rounds interleave the tools, so a slow spell of the machine touches all.
    runs = {name: [] for name, _ in tools}
    for _ in range(RUNS):
        for name, command in tools:
            runs[name].append(measure(command))
    results = {name: (statistics.median(r[0] for r in measured), max(r[1] for r in measured))
               for name, measured in runs.items()}
    kelmo_time = results["kelmo --report"][0]
    print("%-22s %10s %10s %14s" % ("tool", "median s", "peak MB", "time / kelmo"))
    for name, (wall, rss) in results.items():
        print("%-22s %10.2f %10.1f %14.2f" % (name, wall, rss, wall / kelmo_time))


if __name__ == "__main__":
    main()
