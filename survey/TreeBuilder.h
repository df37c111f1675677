#pragma once

#include "DirTree.h"
#include "InodeSet.h"
#include "LargestFiles.h"
#include "ScanEvents.h"
#include "ScanProblem.h"

#include <string>
#include <utility>
#include <vector>

// Builds a DirTree from the events of a walk (or of a saved scan), counting
// as a live scan does: a directory's files and its own size; a file with
// several names once, in the first directory that lists it (but each of its
// names as an item); nothing of another file system.
class TreeBuilder : public ScanEvents {
public:
    // keeps: how many of the largest files it keeps.
    explicit TreeBuilder(DirTree& into, std::size_t keeps = LargestFiles::kKept)
        : tree(into), names(into), largest(keeps)
    {
    }

    void ScanTime(std::int64_t seconds) override { tree.SetScanTime(seconds); }
    void Host(std::string_view name) override { tree.SetHost(std::string(name)); }
    void EnterDirectory(std::string_view name, const EntryStat& dir) override;
    void File(std::string_view name, const EntryStat& file) override;
    void Files(std::string_view name, const EntryStat& sizes, std::int64_t count) override;
    void OtherFileSystem(std::string_view, const EntryStat&) override {}
    void Unreadable(int error) override;
    void LeaveDirectory() override;

    std::vector<ScanProblem> TakeProblems() { return std::move(problems); }
    // The largest files met, with their paths below the root.
    LargestFiles TakeLargest() { return std::move(largest); }

private:
    struct Open {
        DirTree::Node node;
        int readError = 0; // when node is marked unreadable
        std::vector<DirTree::Node> children;
        // The places among children of those marked unreadable, and why.
        std::vector<std::pair<std::uint32_t, int>> unreadableChildren;
    };

    DirTree::Index PlaceChildren(const Open& parent);
    void Place(DirTree::Index index, const DirTree::Node& node);
    std::string PathOfOpenDirectory() const;
    void OfferLargest(std::string_view name, const EntryStat& file);

    DirTree& tree;
    DirTree::NameWriter names;
    std::vector<Open> open;
    std::size_t depth = 0; // open[0, depth) are the directories entered and not left
    InodeSet linked;
    std::vector<ScanProblem> problems;
    LargestFiles largest;
    std::uint32_t filesMet = 0; // the walk order of the files
};
