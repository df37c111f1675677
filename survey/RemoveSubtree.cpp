#include "RemoveSubtree.h"

#include <stdexcept>

namespace {

void TakeFromAncestors(DirTree& tree, DirTree::Index index, const DirTree::Node& gone)
{
    for (DirTree::Index at = index; at != DirTree::kNone; at = tree.At(at).parent) {
        tree.At(at).diskBytes -= gone.diskBytes;
        tree.At(at).apparentBytes -= gone.apparentBytes;
        tree.At(at).items -= gone.items;
    }
}

} // namespace

void RemoveFileSizes(DirTree& tree, DirTree::Index index, std::int64_t diskBytes, std::int64_t apparentBytes)
{
    DirTree::Node file;
    file.diskBytes = diskBytes;
    file.apparentBytes = apparentBytes;
    file.items = 1;
    TakeFromAncestors(tree, index, file);
}

void RemoveSubtree(DirTree& tree, DirTree::Index index)
{
    if (index == tree.Root() || index == DirTree::kNone)
        throw std::invalid_argument("the root of a tree cannot be removed");
    DirTree::Node& gone = tree.At(index);
    DirTree::Node taken = gone;
    taken.items += 1; // the directory itself
    TakeFromAncestors(tree, gone.parent, taken);
    // The node keeps its place in its parent's run of children (the run
    // cannot shrink); hidden, it stands for nothing.
    gone.diskBytes = 0;
    gone.apparentBytes = 0;
    gone.items = 0;
    gone.childCount |= DirTree::Node::kHiddenBit;
}
