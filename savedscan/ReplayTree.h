#pragma once

#include "DirTree.h"
#include "ScanEvents.h"

// Tells events what a walk of the drive would have met, from a tree in
// memory: each directory that shows, depth-first in child order, those the
// scan could not read (with the reason, when the tree knows it) where it
// found them, and, as a tree keeps no files, one Files entry per directory
// named "(files)" that holds the sizes and the number of its own files
// (hard links counted where the scan counted them). A tree builder fed so
// gives back a tree of the same figures in both size modes and the same
// items.
void ReplayTree(const DirTree& tree, ScanEvents& events);
