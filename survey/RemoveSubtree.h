#pragma once

#include "DirTree.h"

#include <cstdint>

// Takes the directory at index, and everything below it, out of tree, as
// when it has gone from the disk: it no longer shows among its parent's
// children, and each of its ancestors' sizes fall by its sizes in both size
// modes, their items by it and its items. The root cannot be removed.
void RemoveSubtree(DirTree& tree, DirTree::Index index);

// Adds sizes and items (negative ones take away) to the directory at index
// and each of its ancestors.
void AddSizes(DirTree& tree, DirTree::Index index, std::int64_t diskBytes, std::int64_t apparentBytes,
              std::int64_t items);

// Takes a file that has gone from the directory at index out of the sizes
// and items of that directory and each of its ancestors.
void RemoveFileSizes(DirTree& tree, DirTree::Index index, std::int64_t diskBytes, std::int64_t apparentBytes);
