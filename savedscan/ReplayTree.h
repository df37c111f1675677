#pragma once

#include "DirTree.h"
#include "ScanEvents.h"
#include "ScanProblem.h"

#include <vector>

// Tells events what a walk of the drive would have met, from a tree in
// memory: each directory that shows, depth-first in child order, the
// problems the scan found where it found them, and, as a tree keeps no
// files, one entry per directory named "(files)" that holds the sizes of
// its own files (hard links counted where the scan counted them). A tree
// builder fed so gives back a tree of the same figures in both size modes.
void ReplayTree(const DirTree& tree, const std::vector<ScanProblem>& problems, ScanEvents& events);
