#include "TreeComparison.h"

#include "FormatBytes.h"
#include "Saturating.h"

#include <algorithm>
#include <ctime>

namespace {

struct Named {
    std::string_view name;
    DirTree::Index index;
};

bool ByName(const Named& a, const Named& b)
{
    return a.name < b.name;
}

// The children of parent that stand for a directory, in listing order.
void List(const DirTree& tree, DirTree::Index parent, std::vector<Named>& into)
{
    into.clear();
    const DirTree::Node& node = tree.At(parent);
    const DirTree::Index end = node.firstChild + node.Children();
    for (DirTree::Index child = node.firstChild; node.Children() > 0 && child < end; ++child) {
        const DirTree::Node& entry = tree.At(child);
        if (!entry.Hidden())
            into.push_back({tree.NameAt(entry.name), child});
    }
}

std::int64_t BytesOf(const DirNode& node, SizeMode mode)
{
    return mode == SizeMode::DiskUsage ? node.diskBytes() : node.apparentBytes();
}

} // namespace

struct TreeComparison::Work {
    std::vector<Named> olds; // the children of the old directory being matched
    std::vector<Named> news; // and of its new counterpart
    std::vector<std::pair<DirTree::Index, DirTree::Index>> pending; // matched, their children not yet
};

TreeComparison::TreeComparison(DirNode oldRootNode, DirNode newRootNode)
    : oldTree(*oldRootNode.Tree()),
      newTree(*newRootNode.Tree()),
      oldRoot(oldRootNode),
      newRoot(newRootNode),
      oldOfNew(newTree.Size(), DirTree::kNone),
      oldMatched(oldTree.Size(), false)
{
    Match();
}

// Depth first from the roots, one directory's children at a time, so that
// no path is ever spelled out.
void TreeComparison::Match()
{
    Work work;
    Pair(oldRoot.Index(), newRoot.Index(), work);
    while (!work.pending.empty()) {
        const auto [old, fresh] = work.pending.back();
        work.pending.pop_back();
        MatchChildren(old, fresh, work);
    }
}

void TreeComparison::Pair(DirTree::Index old, DirTree::Index fresh, Work& work)
{
    oldOfNew[fresh] = old;
    oldMatched[old] = true;
    if (oldTree.At(old).Children() > 0) // new children need nothing: they are new already
        work.pending.emplace_back(old, fresh);
}

void TreeComparison::MatchChildren(DirTree::Index old, DirTree::Index fresh, Work& work)
{
    List(oldTree, old, work.olds);
    List(newTree, fresh, work.news);
    // Two scans of one file system mostly list a directory in the same
    // order: the children that stand in step pair up without sorting.
    const std::size_t common = std::min(work.olds.size(), work.news.size());
    std::size_t same = 0;
    for (; same < common && work.olds[same].name == work.news[same].name; ++same)
        Pair(work.olds[same].index, work.news[same].index, work);
    MatchSorted(same, same, work);
}

void TreeComparison::MatchSorted(std::size_t fromOld, std::size_t fromNew, Work& work)
{
    std::vector<Named>& olds = work.olds;
    std::vector<Named>& news = work.news;
    std::sort(olds.begin() + fromOld, olds.end(), ByName);
    std::sort(news.begin() + fromNew, news.end(), ByName);
    auto old = olds.begin() + fromOld;
    auto fresh = news.begin() + fromNew;
    while (old != olds.end() && fresh != news.end()) {
        if (old->name < fresh->name)
            Gone((old++)->index);
        else if (fresh->name < old->name)
            ++fresh;
        else
            Pair((old++)->index, (fresh++)->index, work);
    }
    for (; old != olds.end(); ++old)
        Gone(old->index);
}

void TreeComparison::Gone(DirTree::Index old)
{
    const DirTree::Node& node = oldTree.At(old);
    goneDisk = AddSaturating(goneDisk, node.diskBytes);
    goneApparent = AddSaturating(goneApparent, node.apparentBytes);
}

TreeComparison::Entry TreeComparison::Compare(DirNode node, SizeMode mode) const
{
    if (node.Tree() != &newTree)
        return {node, Status::Gone, BytesOf(node, mode), 0};
    const DirNode old = OldOf(node);
    if (!old)
        return {node, Status::New, 0, BytesOf(node, mode)};
    return {node, Status::Matched, BytesOf(old, mode), BytesOf(node, mode)};
}

std::vector<TreeComparison::Entry> TreeComparison::Children(DirNode node, SizeMode mode) const
{
    std::vector<Entry> entries;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        entries.push_back(Compare(child, mode));
    const DirNode old = node.Tree() == &newTree ? OldOf(node) : DirNode();
    for (DirNode child = old ? old.firstChild() : DirNode(); child; child = child.nextSibling())
        if (!oldMatched[child.Index()])
            entries.push_back(Compare(child, mode));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.Change() > b.Change(); });
    return entries;
}

std::string TreeComparison::Entry::ChangeText() const
{
    if (status != Status::Matched)
        return status == Status::New ? "new" : "gone";
    return Change() > 0 ? "+" + FormatBytes(Change()) : FormatBytes(Change());
}

DirNode TreeComparison::OldOf(DirNode node) const
{
    return {&oldTree, oldOfNew[node.Index()]};
}

int TreeComparison::MatchedPercent(SizeMode mode) const
{
    const std::int64_t whole = BytesOf(oldRoot, mode);
    const std::int64_t gone = std::min(mode == SizeMode::DiskUsage ? goneDisk : goneApparent, whole);
    if (gone <= 0)
        return 100;
    const long double share = static_cast<long double>(whole - gone) * 100.0L / static_cast<long double>(whole);
    return std::min(static_cast<int>(share), 99);
}

std::string TreeComparison::MatchedText(std::string_view oldRootPath, std::string_view newRootPath,
                                        SizeMode mode) const
{
    std::string text = "old scan of ";
    text += oldRootPath;
    text += ": " + std::to_string(MatchedPercent(mode)) + " % of it matched ";
    text += newRootPath;
    return text;
}

std::string TreeComparison::OldScanTimeText() const
{
    const std::time_t seconds = static_cast<std::time_t>(OldScanTime());
    std::tm local{};
    char text[64];
    if (seconds <= 0 || !localtime_r(&seconds, &local) || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return "an earlier scan";
    return text;
}
