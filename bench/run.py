#!/usr/bin/env python3
"""Times kelmo --report against du, ncdu, gdu and duc on the generated tree.

Every tool walks the same tree in interleaved rounds, so a slow spell of this
shared machine touches them all; the median wall time and the peak resident
memory are printed, with Kelmo's default time divided by each tool's. With
--cold the page cache is dropped before every run (root only), and Kelmo
also runs at every fixed number of threads from 1 to 64, so the default can
be held against the best of them, and exports the tree (--export) too.

usage: run.py [--cold] KELMO TREE [DIRS_TREE]
DIRS_TREE, a tree of a million directories, adds Kelmo's memory on it.
KELMO_BENCH_ROUNDS sets the number of rounds (7).
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("KELMO_BENCH_ROUNDS", "7"))
SWEEP = [1, 2, 4, 8, 16, 32, 64]
PEERS = ["du -sx", "ncdu -x -o /dev/null", "gdu -n -x", "duc index -x"]


def drop_caches():
    subprocess.run(["sync"], check=True)
    with open("/proc/sys/vm/drop_caches", "w") as knob:
        knob.write("3\n")


def measure(command, cold=False):
    """Wall seconds and peak RSS (MB) of one run.

    GNU time reports the child's own peak memory; a child started from this
    Python process would count the interpreter's pages copied before exec.
    A command that prints a number of seconds itself (the window's scan,
    timed inside the process) is timed by that number.
    """
    if cold:
        drop_caches()
    with tempfile.NamedTemporaryFile("r") as report:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + command,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
        wall = time.perf_counter() - start
        peak_kb = int(report.read().split()[-1])
    printed = done.stdout.decode().strip()
    if printed.replace(".", "", 1).isdigit():
        wall = float(printed)
    return wall, peak_kb / 1024.0


def main():
    args = sys.argv[1:]
    cold = "--cold" in args
    args = [a for a in args if a != "--cold"]
    if len(args) not in (2, 3):
        sys.exit(__doc__)
    kelmo, tree = args[0], args[1]
    if cold and not os.access("/proc/sys/vm/drop_caches", os.W_OK):
        sys.exit("run.py: dropping the page cache needs root")
    window = os.path.join(os.path.dirname(kelmo), "..", "bench", "window-scan-bench")
    scratch = tempfile.mkdtemp(prefix="kelmo-bench-")
    duc_db = os.path.join(scratch, "duc.db")
    tools = [("kelmo --report", [kelmo, "--report", tree])]
    for threads in SWEEP if cold else [1]:
        tools.append(("kelmo --report --threads %d" % threads, [kelmo, "--report", "--threads", str(threads), tree]))
    if cold:
        tools.append(("kelmo --export", [kelmo, "--export", os.path.join(scratch, "scan.json"), tree]))
    # A recording scans the drive that holds PATH: the tree is made a drive
    # of its own, a bind mount in a mount namespace of the run's own.
    recordable = os.geteuid() == 0 and shutil.which("unshare")
    if recordable:
        tools.append(("kelmo --record", [
            "unshare", "--mount", "--propagation", "private", "sh", "-c",
            'mount --bind "$1" "$1" && KELMO_HISTORY_DIR="$2" exec "$3" --record --keep=all:1h "$1"',
            "record", tree, os.path.join(scratch, "history"), kelmo]))
    tools += [
        ("du -sx", ["du", "-sx", tree]),
        ("ncdu -x -o /dev/null", ["ncdu", "-x", "-o", "/dev/null", tree]),
        ("gdu -n -x", ["gdu", "-n", "-x", tree]),
        # duc adds to its database: each run starts from none.
        ("duc index -x", ["sh", "-c", 'rm -f "$1" && exec duc index -x -q -d "$1" "$2"', "duc", duc_db, tree]),
    ]
    if not cold and os.path.exists(window):
        tools.append(("window's scan (in-process)", [window, tree]))
    try:
        for _, command in tools:  # warm the cache, and check every tool runs
            measure(command, False)
        runs = {name: [] for name, _ in tools}
        # Each round runs the tools in an order of its own: a run is slower
        # right after gdu's gigabyte or duc's database, and a fixed order (or
        # a rotation of it) would always hand that to the same tool.
        shuffler = random.Random(1996)
        for _ in range(RUNS):
            order = list(tools)
            shuffler.shuffle(order)
            for name, command in order:
                runs[name].append(measure(command, cold))
    finally:
        subprocess.run(["rm", "-rf", scratch], check=False)
    results = {name: (statistics.median(r[0] for r in measured), max(r[1] for r in measured))
               for name, measured in runs.items()}
    kelmo_time = results["kelmo --report"][0]
    print("%s cache, %d interleaved rounds, medians" % ("cold" if cold else "warm", RUNS))
    print("%-28s %10s %10s %14s" % ("tool", "median s", "peak MB", "kelmo / tool"))
    for name, (wall, rss) in results.items():
        print("%-28s %10.2f %10.1f %14.2f" % (name, wall, rss, kelmo_time / wall))
    fastest_peer = min(PEERS, key=lambda name: results[name][0])
    print("kelmo / fastest peer (%s): %.2f" % (fastest_peer, kelmo_time / results[fastest_peer][0]))
    if cold:
        best = min(SWEEP, key=lambda threads: results["kelmo --report --threads %d" % threads][0])
        print("kelmo default / best fixed thread count (%d): %.2f"
              % (best, kelmo_time / results["kelmo --report --threads %d" % best][0]))
        print("kelmo --export / kelmo --report: %.2f" % (results["kelmo --export"][0] / kelmo_time))
    if recordable:
        print("kelmo --record / kelmo --report: %.2f" % (results["kelmo --record"][0] / kelmo_time))
    if len(args) == 3 and not cold:
        dirs = args[2]
        peak = max(measure([kelmo, "--report", dirs], False)[1] for _ in range(2))
        print("kelmo --report on 1,001,001 directories: peak %.1f MB (%.1f bytes a directory)"
              % (peak, peak * 1024 * 1024 / 1001001))


if __name__ == "__main__":
    main()
