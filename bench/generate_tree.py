#!/usr/bin/env python3
"""Builds a deterministic benchmark tree of about a million entries.

About 100,000 directories (ten levels of fan-out, dot-directories among them),
about 900,000 files with varied apparent sizes (set by truncate, so they take
almost no disk), some hard links, symbolic links (one to a directory, one
dangling) and one large sparse file.
"""
import os
import random
import sys

DIRECTORIES = 100_000
FILES_PER_DIRECTORY = 9
FAN_OUT = 10


def file_size(rng):
    # Mostly small files, a few large ones: the shape of a real home folder.
    roll = rng.random()
    if roll < 0.70:
        return rng.randrange(0, 8_192)
    if roll < 0.97:
        return rng.randrange(8_192, 1_000_000)
    return rng.randrange(1_000_000, 50_000_000)


def build(root):
    rng = random.Random(1996)
    os.makedirs(root)
    queue = [root]
    made = 1
    head = 0
    while made < DIRECTORIES:
        parent = queue[head]
        head += 1
        for i in range(FAN_OUT):
            if made >= DIRECTORIES:
                break
            name = (".cache%d" % i) if rng.random() < 0.02 else ("dir%d" % i)
            path = os.path.join(parent, name)
            os.mkdir(path)
            queue.append(path)
            made += 1
    count = 0
    for directory in queue:
        for i in range(FILES_PER_DIRECTORY):
            path = os.path.join(directory, "file%d.dat" % i)
            count += 1
            if count % 997 == 0:
                os.link(queue[0] + "/file0.dat", path)
            elif count % 499 == 0:
                os.symlink("../file%d.dat" % i, path)
            else:
                with open(path, "wb") as handle:
                    handle.truncate(file_size(rng))
    os.symlink(queue[1], os.path.join(root, "link-to-dir"))
    os.symlink("nowhere", os.path.join(root, "dangling"))
    with open(os.path.join(root, "sparse.img"), "wb") as handle:
        handle.truncate(5 * 1024 ** 3)
    return len(queue), count


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: generate_tree.py ROOT")
    directories, files = build(sys.argv[1])
    print("generated %d directories, %d files" % (directories, files))
