#include "LargestGrowth.h"

#include <algorithm>

namespace {

// Whether one sub-directory holds nine tenths of entry's growth or more.
bool GrowthLiesBelow(const TreeComparison::Entry& entry, std::int64_t largestChildGrowth)
{
    return largestChildGrowth > 0 && largestChildGrowth >= entry.Change() - entry.Change() / 10;
}

} // namespace

std::vector<TreeComparison::Entry> LargestGrowth(const TreeComparison& comparison, SizeMode mode, std::size_t count)
{
    std::vector<TreeComparison::Entry> found;
    std::vector<DirNode> pending{comparison.NewRoot()};
    while (!pending.empty()) {
        const DirNode node = pending.back();
        pending.pop_back();
        // A folder that shrank may still hold one that grew: every one is visited.
        std::int64_t largestChild = 0;
        for (DirNode child = node.firstChild(); child; child = child.nextSibling()) {
            largestChild = std::max(largestChild, comparison.Compare(child, mode).Change());
            pending.push_back(child);
        }
        const TreeComparison::Entry entry = comparison.Compare(node, mode);
        if (entry.Change() > 0 && !GrowthLiesBelow(entry, largestChild))
            found.push_back(entry);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.Change() > b.Change(); });
    if (found.size() > count)
        found.resize(count);
    return found;
}
