#pragma once

#include "TreeComparison.h"

#include <cstddef>
#include <vector>

// Where a tree grew most between two scans: the directories of the new tree
// with the largest growth, largest first, at most count of them. A
// directory whose growth lies almost all (nine tenths or more) in one of its
// sub-directories is left out for that sub-directory, so that the list names
// where the bytes went, not every folder above them.
std::vector<TreeComparison::Entry> LargestGrowth(const TreeComparison& comparison, SizeMode mode, std::size_t count);
