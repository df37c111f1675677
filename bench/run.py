#!/usr/bin/env python3
"""Times kelmo --report against du, ncdu and gdu on the generated tree.

Every tool walks the same tree with a warm cache, several times each; the
median wall time and the peak resident memory are printed, and each peer's
time divided by Kelmo's.
"""
import os
import statistics
import subprocess
import sys
import time

RUNS = 5


def measure(command):
    """Wall seconds and peak RSS (MB) of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit("failed: %s" % " ".join(command))
    return wall, usage.ru_maxrss / 1024.0


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
    results = {}
    for name, command in tools:
        runs = [measure(command) for _ in range(RUNS)]
        results[name] = (statistics.median(r[0] for r in runs), max(r[1] for r in runs))
    kelmo_time = results["kelmo --report"][0]
    print("%-22s %10s %10s %14s" % ("tool", "median s", "peak MB", "time / kelmo"))
    for name, (wall, rss) in results.items():
        print("%-22s %10.2f %10.1f %14.2f" % (name, wall, rss, wall / kelmo_time))


if __name__ == "__main__":
    main()
