#include "ReplayTree.h"

#include <map>
#include <string>

namespace {

// A tree keeps no device numbers; every entry is said to be on this one
// (device 0 with inode 0 would read as "no file" to a writer).
constexpr std::uint64_t kDevice = 1;

class Replay {
public:
    Replay(const DirTree& replayed, const std::vector<ScanProblem>& problems, ScanEvents& consumer)
        : tree(replayed), events(consumer)
    {
        for (const ScanProblem& problem : problems)
            errors.emplace(problem.path, problem.error);
    }

    void Directory(DirTree::Index index)
    {
        EntryStat dir;
        dir.kind = EntryKind::Directory;
        dir.device = kDevice;
        events.EnterDirectory(tree.Name(index), dir);
        if (!errors.empty()) {
            const auto problem = errors.find(tree.PathBelowRoot(index));
            if (problem != errors.end())
                events.Unreadable(problem->second);
        }
        EntryStat own;
        own.device = kDevice;
        own.diskBytes = tree.At(index).diskBytes;
        own.apparentBytes = tree.At(index).apparentBytes;
        for (DirTree::Index child = tree.FirstChild(index); child != DirTree::kNone; child = tree.NextSibling(child)) {
            own.diskBytes -= tree.At(child).diskBytes;
            own.apparentBytes -= tree.At(child).apparentBytes;
            Directory(child);
        }
        if (own.diskBytes != 0 || own.apparentBytes != 0)
            events.File("(files)", own);
        events.LeaveDirectory();
    }

private:
    const DirTree& tree;
    ScanEvents& events;
    std::map<std::string, int> errors;
};

} // namespace

void ReplayTree(const DirTree& tree, const std::vector<ScanProblem>& problems, ScanEvents& events)
{
    if (tree.Root() == DirTree::kNone)
        return;
    events.ScanTime(tree.ScanTime());
    Replay(tree, problems, events).Directory(tree.Root());
}
