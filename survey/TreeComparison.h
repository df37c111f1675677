#pragma once

#include "DirNode.h"
#include "DirTree.h"
#include "FormatBytes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The words of a comparison: English, the command line's, by default; the
// window passes its language's.
struct ComparisonWords {
    std::string isNew = "new";
    std::string gone = "gone";
    std::string dirName = "Dir Name";
    std::string oldSize = "Old Size";
    std::string newSize = "New Size";
    std::string change = "Change";
};

// Two scans of a tree side by side, an old one and a new one. Each directory
// of the new tree is matched with the directory of the old tree at the same
// path below the root, names compared byte for byte; the roots always match,
// whatever they are named. So every directory has a size at both moments,
// in either size mode, and a change. A directory only in the new tree is
// new; one only in the old tree is gone, and is listed under its parent with
// its old size.
//
// Matching keeps one old index per directory of the new tree and one bit per
// directory of the old tree. Both trees must outlive the comparison.
class TreeComparison {
public:
    enum class Status : std::uint8_t { Matched, New, Gone };

    // One directory at both moments, in one size mode.
    struct Entry {
        DirNode node; // in the new tree; in the old tree when gone
        Status status = Status::Matched;
        std::int64_t oldBytes = 0; // 0 when new
        std::int64_t newBytes = 0; // 0 when gone

        std::int64_t Change() const { return newBytes - oldBytes; }
        // "+1,234,567", "-20,480", "0", "new" or "gone".
        std::string ChangeText(const NumberMarks& marks = {}, const ComparisonWords& words = {}) const;
    };

    // Both roots must be directories (not null handles).
    TreeComparison(DirNode oldRoot, DirNode newRoot);

    DirNode OldRoot() const { return oldRoot; }
    DirNode NewRoot() const { return newRoot; }

    // node: a directory of the new tree, or a gone one of the old tree.
    Entry Compare(DirNode node, SizeMode mode) const;
    // The sub-directories of node (as for Compare) at both moments, those
    // gone included, largest growth first; equal changes in listing order,
    // gone ones last.
    std::vector<Entry> Children(DirNode node, SizeMode mode) const;
    // The directory of the old tree at the same path; null when node is new.
    DirNode OldOf(DirNode node) const;

    // The share of the old tree's bytes (in mode) that lie in directories
    // the new tree has too, in percent rounded down: 100 only when nothing
    // is gone (or the old tree holds no bytes).
    int MatchedPercent(SizeMode mode) const;
    // "old scan of /srv: 12 % of it matched /home".
    std::string MatchedText(std::string_view oldRootPath, std::string_view newRootPath, SizeMode mode) const;
    // When the old tree was scanned, in seconds since the epoch (0: unknown).
    std::int64_t OldScanTime() const { return oldTree.ScanTime(); }
    // That time as local "2026-11-08 14:02", or "an earlier scan" when unknown.
    std::string OldScanTimeText() const;

private:
    struct Work; // what matching holds only while it runs

    void Match();
    void MatchChildren(DirTree::Index old, DirTree::Index fresh, Work& work);
    void MatchRest(std::size_t from, Work& work);
    void Pair(DirTree::Index old, DirTree::Index fresh, Work& work);
    void Gone(DirTree::Index old);

    const DirTree& oldTree;
    const DirTree& newTree;
    DirNode oldRoot;
    DirNode newRoot;
    std::vector<DirTree::Index> oldOfNew; // kNone: new
    std::vector<bool> oldMatched;
    std::int64_t goneDisk = 0; // of the gone directories whose parents matched
    std::int64_t goneApparent = 0;
};
