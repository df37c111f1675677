#include "TreeComparison.h"

#include "FormatBytes.h"
#include "Saturating.h"

#include <algorithm>
#include <ctime>
#include <functional>

namespace {

// Below this many name comparisons the rest of a level is matched pair by
// pair; above it, by the hashes of the names.
constexpr std::size_t kFewComparisons = 64;

// The children of parent that stand for a directory, in listing order.
void List(const DirTree& tree, DirTree::Index parent, std::vector<DirTree::Index>& into)
{
    into.clear();
    const DirTree::Node& node = tree.At(parent);
    into.reserve(node.Children());
    const DirTree::Index end = node.firstChild + node.Children();
    for (DirTree::Index child = node.firstChild; node.Children() > 0 && child < end; ++child)
        if (!tree.At(child).Hidden())
            into.push_back(child);
}

std::string_view NameOf(const DirTree& tree, DirTree::Index child)
{
    return tree.NameAt(tree.At(child).name);
}

// Each child as its name's hash (the high half) and its index (the low
// half), in order.
void SortByHash(const DirTree& tree, std::vector<DirTree::Index>::const_iterator begin,
                std::vector<DirTree::Index>::const_iterator end, std::vector<std::uint64_t>& keys)
{
    keys.clear();
    keys.reserve(static_cast<std::size_t>(end - begin));
    for (auto child = begin; child != end; ++child) {
        const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>()(NameOf(tree, *child)));
        keys.push_back(std::uint64_t(hash) << 32 | *child);
    }
    std::sort(keys.begin(), keys.end());
}

std::int64_t BytesOf(const DirNode& node, SizeMode mode)
{
    return mode == SizeMode::DiskUsage ? node.diskBytes() : node.apparentBytes();
}

} // namespace

struct TreeComparison::Work {
    std::vector<DirTree::Index> olds;                               // the children of the old directory being matched
    std::vector<DirTree::Index> news;                               // and of its new counterpart
    std::vector<std::uint64_t> oldKeys;                             // the old children by the hashes of their names
    std::vector<std::uint64_t> newKeys;                             // the new ones
    std::vector<std::pair<DirTree::Index, DirTree::Index>> pending; // matched, their children not yet
};

TreeComparison::TreeComparison(DirNode oldRootNode, DirNode newRootNode)
    : oldTree(*oldRootNode.owner()),
      newTree(*newRootNode.owner()),
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
    Pair(oldRoot.place(), newRoot.place(), work);
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
    // order: the children that stand in step pair up without a search.
    const std::size_t common = std::min(work.olds.size(), work.news.size());
    std::size_t same = 0;
    for (; same < common && NameOf(oldTree, work.olds[same]) == NameOf(newTree, work.news[same]); ++same)
        Pair(work.olds[same], work.news[same], work);
    if (work.olds.size() - same > 0 && work.news.size() - same > 0)
        MatchRest(same, work);
    for (std::size_t i = same; i < work.olds.size(); ++i)
        if (!oldMatched[work.olds[i]])
            Gone(work.olds[i]);
}

// The children from index from on, in whatever order: each new one takes
// the first old one of its name not taken yet.
void TreeComparison::MatchRest(std::size_t from, Work& work)
{
    const auto olds = work.olds.begin() + from;
    const auto news = work.news.begin() + from;
    const std::size_t oldCount = work.olds.size() - from;
    const std::size_t newCount = work.news.size() - from;
    const auto take = [&](DirTree::Index old, DirTree::Index fresh) {
        if (oldMatched[old] || NameOf(oldTree, old) != NameOf(newTree, fresh))
            return false;
        Pair(old, fresh, work);
        return true;
    };
    if (oldCount * newCount <= kFewComparisons) {
        for (auto fresh = news; fresh != work.news.end(); ++fresh)
            std::find_if(olds, work.olds.end(), [&](DirTree::Index old) { return take(old, *fresh); });
        return;
    }
    // Both sides sorted by the hashes of their names, then merged: each run
    // of equal hashes is searched pair by pair.
    SortByHash(oldTree, olds, work.olds.end(), work.oldKeys);
    SortByHash(newTree, news, work.news.end(), work.newKeys);
    auto old = work.oldKeys.begin();
    auto fresh = work.newKeys.begin();
    while (old != work.oldKeys.end() && fresh != work.newKeys.end()) {
        const std::uint64_t hash = std::max(*old >> 32, *fresh >> 32);
        const auto below = [hash](std::uint64_t key) { return (key >> 32) < hash; };
        old = std::find_if_not(old, work.oldKeys.end(), below);
        fresh = std::find_if_not(fresh, work.newKeys.end(), below);
        const auto same = [hash](std::uint64_t key) { return (key >> 32) == hash; };
        const auto oldEnd = std::find_if_not(old, work.oldKeys.end(), same);
        const auto freshEnd = std::find_if_not(fresh, work.newKeys.end(), same);
        for (; fresh != freshEnd; ++fresh)
            std::find_if(old, oldEnd, [&](std::uint64_t key) {
                return take(static_cast<DirTree::Index>(key), static_cast<DirTree::Index>(*fresh));
            });
        old = oldEnd;
    }
}

void TreeComparison::Gone(DirTree::Index old)
{
    const DirTree::Node& node = oldTree.At(old);
    goneDisk = AddSaturating(goneDisk, node.diskBytes);
    goneApparent = AddSaturating(goneApparent, node.apparentBytes);
}

TreeComparison::Entry TreeComparison::Compare(DirNode node, SizeMode mode) const
{
    if (node.owner() != &newTree)
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
    const DirNode old = node.owner() == &newTree ? OldOf(node) : DirNode();
    for (DirNode child = old ? old.firstChild() : DirNode(); child; child = child.nextSibling())
        if (!oldMatched[child.place()])
            entries.push_back(Compare(child, mode));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.Change() > b.Change(); });
    return entries;
}

std::string TreeComparison::Entry::ChangeText(const NumberMarks& marks, const ComparisonWords& words) const
{
    if (status != Status::Matched)
        return status == Status::New ? words.isNew : words.gone;
    return Change() > 0 ? "+" + FormatBytes(Change(), marks) : FormatBytes(Change(), marks);
}

DirNode TreeComparison::OldOf(DirNode node) const
{
    if (node.owner() != &newTree)
        return {};
    return {&oldTree, oldOfNew[node.place()]};
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

std::string TreeComparison::MatchedText(std::string_view oldRootPath, std::string_view newRootPath, SizeMode mode) const
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
    if (seconds <= 0 || !localtime_r(&seconds, &local)
        || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return "an earlier scan";
    return text;
}
