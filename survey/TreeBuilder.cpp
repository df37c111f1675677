#include "TreeBuilder.h"

#include "Saturating.h"

void TreeBuilder::EnterDirectory(std::string_view name, const EntryStat& dir)
{
    // Frames are kept when left, so their children's storage is reused.
    if (depth == open.size())
        open.emplace_back();
    Open& entered = open[depth++];
    entered.node = DirTree::Node{};
    entered.node.diskBytes = dir.diskBytes;
    entered.node.apparentBytes = dir.apparentBytes;
    entered.node.name = depth == 1 ? 0 : names.Add(name);
    entered.children.clear();
}

void TreeBuilder::File(std::string_view name, const EntryStat& file)
{
    if (file.IsLinked() && !linked.Insert(file.device, file.inode))
        return;
    ++filesMet;
    if (largest.Wants(file.diskBytes, file.apparentBytes))
        OfferLargest(name, file);
    DirTree::Node& node = open[depth - 1].node;
    node.diskBytes = AddSaturating(node.diskBytes, file.diskBytes);
    node.apparentBytes = AddSaturating(node.apparentBytes, file.apparentBytes);
}

void TreeBuilder::OfferLargest(std::string_view name, const EntryStat& file)
{
    const std::string below = PathOfOpenDirectory();
    LargestFiles::File offered = LargestFiles::File::Of(
        file, below.empty() ? std::string(name) : below + '/' + std::string(name));
    offered.order = {filesMet};
    largest.Offer(offered);
}

void TreeBuilder::Unreadable(int error)
{
    problems.push_back({PathOfOpenDirectory(), error});
}

std::string TreeBuilder::PathOfOpenDirectory() const
{
    std::string path;
    for (std::size_t i = 1; i < depth; ++i) {
        if (i > 1)
            path += '/';
        path += tree.NameAt(open[i].node.name);
    }
    return path;
}

// A directory's children take consecutive places once all of them are
// complete, which is when the directory is left.
void TreeBuilder::LeaveDirectory()
{
    Open& left = open[--depth];
    DirTree::Node& node = left.node;
    node.childCount = static_cast<std::uint32_t>(left.children.size());
    node.firstChild = left.children.empty() ? DirTree::kNone : PlaceChildren(left.children);
    for (const DirTree::Node& child : left.children) {
        node.diskBytes = AddSaturating(node.diskBytes, child.diskBytes);
        node.apparentBytes = AddSaturating(node.apparentBytes, child.apparentBytes);
    }
    if (depth > 0) {
        open[depth - 1].children.push_back(node);
        return;
    }
    const DirTree::Index root = PlaceChildren({node});
    tree.SetRoot(root);
}

DirTree::Index TreeBuilder::PlaceChildren(const std::vector<DirTree::Node>& children)
{
    const DirTree::Index first = tree.Claim(static_cast<std::uint32_t>(children.size()));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const DirTree::Index index = first + static_cast<DirTree::Index>(i);
        const DirTree::Node& child = children[i];
        tree.At(index) = child;
        for (std::uint32_t g = 0; g < child.childCount; ++g)
            tree.At(child.firstChild + g).parent = index;
    }
    return first;
}
