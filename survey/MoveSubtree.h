#pragma once

#include "DirTree.h"

#include <string>
#include <string_view>

// Edits of a scanned tree after an entry was renamed on the disk (moved to
// a trash on the same drive), so that it holds what a new scan would find.
// A directory's children stand at consecutive indices, so a directory that
// gains a child has its run of children moved to the end of the tree:
// handles to the nodes of that run are stale afterwards, and their holders
// find them again by path.

// The directory at below, a path under the root ("a/b"), made (with sizes
// 0) where the tree has none.
DirTree::Index EnsureDirectory(DirTree& tree, DirTree::NameWriter& names, const std::string& below);

// Moves the directory at index, with everything below it, to be the child
// named name of the directory at destination (a path under the root made
// where missing); its sizes leave its old ancestors and join the new ones.
// Returns its new index.
DirTree::Index MoveSubtree(DirTree& tree, DirTree::NameWriter& names, DirTree::Index index,
                           const std::string& destination, std::string_view name);
