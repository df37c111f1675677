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
    entered.readError = 0;
    entered.children.clear();
    entered.unreadableChildren.clear();
}

void TreeBuilder::File(std::string_view name, const EntryStat& file)
{
    DirTree::Node& dir = open[depth - 1].node;
    ++dir.items;
    if (file.IsLinked() && !linked.Insert(file.device, file.inode))
        return;
    ++filesMet;
    if (largest.Wants(file.diskBytes, file.apparentBytes))
        OfferLargest(name, file);
    dir.diskBytes = AddSaturating(dir.diskBytes, file.diskBytes);
    dir.apparentBytes = AddSaturating(dir.apparentBytes, file.apparentBytes);
}

void TreeBuilder::Files(std::string_view, const EntryStat& sizes, std::int64_t count)
{
    DirTree::Node& dir = open[depth - 1].node;
    dir.items = AddSaturating(dir.items, count);
    dir.diskBytes = AddSaturating(dir.diskBytes, sizes.diskBytes);
    dir.apparentBytes = AddSaturating(dir.apparentBytes, sizes.apparentBytes);
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
    Open& dir = open[depth - 1];
    dir.node.childCount |= DirTree::Node::kUnreadableBit;
    dir.readError = error;
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
    node.SetChildren(left.children.size());
    node.firstChild = left.children.empty() ? DirTree::kNone : PlaceChildren(left);
    for (const DirTree::Node& child : left.children) {
        node.diskBytes = AddSaturating(node.diskBytes, child.diskBytes);
        node.apparentBytes = AddSaturating(node.apparentBytes, child.apparentBytes);
        node.items = AddSaturating(node.items, AddSaturating(child.items, 1));
    }
    if (depth > 0) {
        Open& parent = open[depth - 1];
        if (node.Unreadable())
            parent.unreadableChildren.push_back({static_cast<std::uint32_t>(parent.children.size()), left.readError});
        parent.children.push_back(node);
        return;
    }
    const DirTree::Index root = tree.Claim(1);
    Place(root, node);
    if (node.Unreadable())
        tree.SetUnreadable(root, left.readError);
    tree.SetRoot(root);
}

DirTree::Index TreeBuilder::PlaceChildren(const Open& parent)
{
    const DirTree::Index first = tree.Claim(static_cast<std::uint32_t>(parent.children.size()));
    for (std::size_t i = 0; i < parent.children.size(); ++i)
        Place(first + static_cast<DirTree::Index>(i), parent.children[i]);
    for (const auto& [place, error] : parent.unreadableChildren)
        tree.SetUnreadable(first + place, error);
    return first;
}

void TreeBuilder::Place(DirTree::Index index, const DirTree::Node& node)
{
    tree.At(index) = node;
    for (std::uint32_t g = 0; g < node.Children(); ++g)
        tree.At(node.firstChild + g).parent = index;
}
