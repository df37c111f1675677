#include "ReplayTree.h"

#include "Saturating.h"

namespace {

// A tree keeps no device numbers; every entry is said to be on this one
// (device 0 with inode 0 would read as "no file" to a writer).
constexpr std::uint64_t kDevice = 1;

class Replay {
public:
    Replay(const DirTree& replayed, ScanEvents& consumer) : tree(replayed), events(consumer) {}

    void Directory(DirTree::Index index)
    {
        EntryStat dir;
        dir.kind = EntryKind::Directory;
        dir.device = kDevice;
        events.EnterDirectory(tree.Name(index), dir);
        const DirTree::Node& node = tree.At(index);
        if (node.Unreadable())
            events.Unreadable(tree.ReadError(index));
        EntryStat own;
        own.device = kDevice;
        own.diskBytes = node.diskBytes;
        own.apparentBytes = node.apparentBytes;
        std::int64_t ownFiles = node.items;
        for (DirTree::Index child = tree.FirstChild(index); child != DirTree::kNone; child = tree.NextSibling(child)) {
            own.diskBytes -= tree.At(child).diskBytes;
            own.apparentBytes -= tree.At(child).apparentBytes;
            ownFiles -= AddSaturating(tree.At(child).items, 1);
            Directory(child);
        }
        if (own.diskBytes != 0 || own.apparentBytes != 0 || ownFiles != 0)
            events.Files("(files)", own, ownFiles);
        events.LeaveDirectory();
    }

private:
    const DirTree& tree;
    ScanEvents& events;
};

} // namespace

void ReplayTree(const DirTree& tree, ScanEvents& events)
{
    if (tree.Root() == DirTree::kNone)
        return;
    events.ScanTime(tree.ScanTime());
    Replay(tree, events).Directory(tree.Root());
}
