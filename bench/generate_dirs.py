#!/usr/bin/env python3
"""Builds a tree of 1,001,001 empty directories: the root, 1,000 under it and
1,000 under each of those. It measures what a scan keeps per directory."""
import os
import sys


def build(root):
    os.makedirs(root)
    for i in range(1000):
        top = os.path.join(root, "d%03d" % i)
        os.mkdir(top)
        for j in range(1000):
            os.mkdir(os.path.join(top, "e%03d" % j))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: generate_dirs.py ROOT")
    build(sys.argv[1])
