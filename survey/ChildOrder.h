#pragma once

#include "DirNode.h"

#include <vector>

// The order in which a directory's sub-directories are shown.
enum class ChildOrder { Listing, LargestFirst };

// The sub-directories of directory in order; largest first keeps the
// listing order among equal sizes.
std::vector<DirNode> ChildrenInOrder(DirNode directory, ChildOrder order);
