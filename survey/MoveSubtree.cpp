#include "MoveSubtree.h"

#include "RemoveSubtree.h"

#include <stdexcept>

namespace {

DirTree::Index ChildNamed(const DirTree& tree, DirTree::Index parent, std::string_view name)
{
    for (DirTree::Index child = tree.FirstChild(parent); child != DirTree::kNone; child = tree.NextSibling(child))
        if (tree.Name(child) == name)
            return child;
    return DirTree::kNone;
}

void AdoptChildren(DirTree& tree, DirTree::Index parent)
{
    const DirTree::Node& node = tree.At(parent);
    for (DirTree::Index child = node.firstChild; child < node.firstChild + node.Children(); ++child)
        tree.At(child).parent = parent;
}

// Gives parent a new run of children, one longer, at the end of the tree;
// the old run is hidden. Returns the new, last, child (sizes 0).
DirTree::Index AppendChild(DirTree& tree, DirTree::Index parent, std::uint32_t name)
{
    const DirTree::Node old = tree.At(parent);
    const DirTree::Index first = tree.Claim(old.Children() + 1);
    for (std::uint32_t i = 0; i < old.Children(); ++i) {
        DirTree::Node& was = tree.At(old.firstChild + i);
        tree.At(first + i) = was;
        was.childCount |= DirTree::Node::kHiddenBit;
        tree.MoveReadError(old.firstChild + i, first + i);
        AdoptChildren(tree, first + i);
    }
    const DirTree::Index added = first + old.Children();
    tree.At(added) = DirTree::Node{0, 0, 0, parent, DirTree::kNone, 0, name};
    DirTree::Node& updated = tree.At(parent);
    updated.firstChild = first;
    updated.SetChildren(old.Children() + 1);
    return added;
}

} // namespace

DirTree::Index EnsureDirectory(DirTree& tree, DirTree::NameWriter& names, const std::string& below)
{
    DirTree::Index at = tree.Root();
    for (std::size_t start = 0; start < below.size();) {
        std::size_t slash = below.find('/', start);
        if (slash == std::string::npos)
            slash = below.size();
        const std::string_view name(below.data() + start, slash - start);
        const DirTree::Index child = ChildNamed(tree, at, name);
        if (child != DirTree::kNone) {
            at = child;
        } else {
            at = AppendChild(tree, at, names.Add(name));
            AddSizes(tree, tree.At(at).parent, 0, 0, 1);
        }
        start = slash + 1;
    }
    return at;
}

DirTree::Index MoveSubtree(DirTree& tree, DirTree::NameWriter& names, DirTree::Index index,
                           const std::string& destination, std::string_view name)
{
    if (index == tree.Root() || index == DirTree::kNone)
        throw std::invalid_argument("the root of a tree cannot be moved");
    // Making the destination may move the entry's own run: it is found
    // again by its path.
    const std::string from = tree.PathBelowRoot(index);
    const DirTree::Index parent = EnsureDirectory(tree, names, destination);
    index = EnsureDirectory(tree, names, from);
    const DirTree::Index moved = AppendChild(tree, parent, names.Add(name));
    const DirTree::Node gone = tree.At(index);
    tree.At(moved) = DirTree::Node{gone.diskBytes,  gone.apparentBytes, gone.items,         parent,
                                   gone.firstChild, gone.childCount,    tree.At(moved).name};
    tree.MoveReadError(index, moved);
    AdoptChildren(tree, moved);
    RemoveSubtree(tree, index);
    AddSizes(tree, parent, gone.diskBytes, gone.apparentBytes, gone.items + 1); // the directory itself too
    return moved;
}
