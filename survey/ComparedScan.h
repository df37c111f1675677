#pragma once

#include "ChildList.h"
#include "DirTree.h"
#include "TreeComparison.h"

#include <memory>
#include <string>

// An earlier scan of the tree on display, and what changed since: what the
// window shows instead of sizes while it compares.
class ComparedScan {
public:
    // oldTree: the earlier scan; oldRootPath: the path it was made of.
    ComparedScan(std::unique_ptr<DirTree> oldTree, std::string oldRootPath);
    ~ComparedScan();

    // Matches the earlier scan against the tree whose root is newRoot; again
    // after every new scan of that tree, which must outlive the match.
    void CompareWith(DirNode newRoot);

    // The sub-directories of directory, largest growth first, gone ones
    // included (their nodes are the earlier scan's): the sizes are the growth
    // (0 for none, so only what grew has a slice), the texts the change
    // written with marks.
    std::unique_ptr<ChildList> Children(DirNode directory, SizeMode mode, const NumberMarks& marks = {},
                                        const ComparisonWords& words = {}) const;
    // Whether node belongs to the earlier scan: a directory that is gone.
    bool IsGone(DirNode node) const { return node.owner() == oldTree.get(); }
    // A directory's old size, new size and change.
    std::string Report(DirNode node, SizeMode mode, const NumberMarks& marks = {},
                       const ComparisonWords& words = {}) const;
    // When the earlier scan was made: "2026-11-08 14:02", or "an earlier scan".
    std::string Since() const { return comparison->OldScanTimeText(); }
    // That time in seconds since the epoch; 0 when unknown.
    std::int64_t SinceTime() const { return comparison->OldScanTime(); }
    // "old scan of /srv: 12 % of it matched /home".
    std::string MatchedText(const std::string& newRootPath, SizeMode mode) const;
    const std::string& OldRootPath() const { return oldRootPath; }

private:
    std::unique_ptr<DirTree> oldTree;
    std::string oldRootPath;
    std::unique_ptr<TreeComparison> comparison;
};
