#pragma once

#include "DirNode.h"

#include <cstddef>
#include <functional>
#include <vector>

// The order in which a directory's sub-directories are shown: as its
// listing named them, largest first, or by name in byte order (as
// LC_ALL=C sort orders them).
enum class ChildOrder { Listing, LargestFirst, ByName };

// The sub-directories of directory in order; largest first keeps the
// listing order among equal sizes.
std::vector<DirNode> ChildrenInOrder(DirNode directory, ChildOrder order);

// Meets root and every directory at most maxDepth levels below it, depth
// first, each directory's sub-directories in order: enter(node, depth)
// before those below it, leave(node, depth) after them. It keeps its own
// stack, as a tree may be deeper than the program's.
void VisitToDepth(DirNode root, std::size_t maxDepth, ChildOrder order,
                  const std::function<void(DirNode, std::size_t)>& enter,
                  const std::function<void(DirNode, std::size_t)>& leave);
