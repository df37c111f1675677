#include "HardLinkLedger.h"

#include "InodeSet.h"
#include "Saturating.h"

#include <algorithm>

void HardLinkLedger::Credit(DirTree& tree)
{
    if (all.empty())
        return;
    std::stable_sort(all.begin(), all.end(), [](const Record& a, const Record& b) { return a.dir < b.dir; });
    const auto recordsOf = [this](DirTree::Index dir) {
        return std::equal_range(all.begin(), all.end(), Record{0, 0, 0, 0, dir, 0},
                                [](const Record& a, const Record& b) { return a.dir < b.dir; });
    };
    struct Frame {
        DirTree::Index dir;
        std::uint32_t nextChild;
        std::vector<Record>::const_iterator record, end;
    };
    InodeSet seen;
    const auto [first, last] = recordsOf(tree.Root());
    std::vector<Frame> stack{{tree.Root(), 0, first, last}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        DirTree::Node& node = tree.At(frame.dir);
        for (; frame.record != frame.end && frame.record->directoriesBefore <= frame.nextChild; ++frame.record) {
            if (!seen.Insert(frame.record->device, frame.record->inode))
                continue;
            node.diskBytes = AddSaturating(node.diskBytes, frame.record->diskBytes);
            node.apparentBytes = AddSaturating(node.apparentBytes, frame.record->apparentBytes);
        }
        if (frame.nextChild == node.Children()) {
            stack.pop_back();
            continue;
        }
        const DirTree::Index child = node.firstChild + frame.nextChild++;
        const auto [begin, end] = recordsOf(child);
        if (tree.At(child).Children() > 0 || begin != end)
            stack.push_back({child, 0, begin, end});
    }
}
