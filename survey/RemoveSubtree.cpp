#include "RemoveSubtree.h"

#include <stdexcept>

void AddSizes(DirTree& tree, DirTree::Index index, std::int64_t diskBytes, std::int64_t apparentBytes,
              std::int64_t items)
{
    for (DirTree::Index at = index; at != DirTree::kNone; at = tree.At(at).parent) {
        tree.At(at).diskBytes += diskBytes;
        tree.At(at).apparentBytes += apparentBytes;
        tree.At(at).items += items;
    }
}

void RemoveFileSizes(DirTree& tree, DirTree::Index index, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    AddSizes(tree, index, -diskBytes, -apparentBytes, -1);
}

void RemoveSubtree(DirTree& tree, DirTree::Index index)
{
    if (index == tree.Root() || index == DirTree::kNone)
        throw std::invalid_argument("the root of a tree cannot be removed");
    DirTree::Node& gone = tree.At(index);
    AddSizes(tree, gone.parent, -gone.diskBytes, -gone.apparentBytes, -(gone.items + 1));
    // The node keeps its place in its parent's run of children (the run
    // cannot shrink); hidden, it stands for nothing.
    gone.diskBytes = 0;
    gone.apparentBytes = 0;
    gone.items = 0;
    gone.childCount |= DirTree::Node::kHiddenBit;
}
