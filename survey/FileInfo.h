#pragma once

#include "DirNode.h"
#include "DirTree.h"
#include "NavigationCursor.h"
#include "ScanProblem.h"
#include "ScanResult.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The survey of one drive as it stands on display: the tree of its last
// scan with what that scan found, the size mode the tree is shown in and the
// directory on display.
class FileInfo {
public:
    // Takes a scan's tree, problems and free space; the root of the new tree
    // becomes the directory on display. A result without a tree changes
    // nothing.
    void Adopt(ScanResult result);
    // The same for a new scan of the tree on display: the directory on
    // display stays where it still exists (else its nearest ancestor that
    // does and has sub-directories).
    void AdoptKeepingPlace(ScanResult result);

    std::int64_t GetFreeBytes() const { return freeBytes; }
    // The free space read again after a change on the drive.
    void SetFreeBytes(std::int64_t bytes) { freeBytes = bytes; }
    // The saved root's path when the tree came from a saved scan; empty
    // after a live scan.
    const std::string& GetSavedRoot() const { return savedRoot; }
    // The directories the last scan could not read, or not whole, in the
    // order a walk meets them; those a saved scan marks have error 0.
    const std::vector<ScanProblem>& GetScanProblems() const { return problems; }
    // The largest files the last scan met.
    const LargestFiles& GetLargestFiles() const { return largest; }

    // Which size the tree shows; a change needs no rescan.
    void SetSizeMode(SizeMode newMode);
    SizeMode GetSizeMode() const { return mode; }

    // Takes a directory that has left the disk out of the tree (see
    // RemoveSubtree); the directory on display stays where it is, so it must
    // be neither node nor below it.
    void RemoveDirectory(DirNode node);
    // Takes a file that has left the disk out of the sizes of dir, where it
    // lay, and of dir's ancestors.
    void RemoveFile(DirNode dir, std::int64_t diskBytes, std::int64_t apparentBytes);

    // A directory renamed on the drive to destination/name, paths under the
    // root (into a trash the tree holds): it moves in the tree, with its
    // sizes; the directory on display stays where it is.
    void MoveDirectory(DirNode node, const std::string& destination, const std::string& name);
    // A directory's own size (itself and the files directly in it) grew by
    // the sizes given; one the tree lacks is added.
    void GrowDirectory(const std::string& below, std::int64_t diskBytes, std::int64_t apparentBytes);

    DirNode Root() const { return cursor.Root(); }
    NavigationCursor& Cursor() { return cursor; }
    const NavigationCursor& Cursor() const { return cursor; }

private:
    // Edits that add nodes may move nodes in the tree: the directory on
    // display is found again by its path.
    template <typename Edit>
    void KeepingPlace(Edit edit);

    std::unique_ptr<DirTree> tree;
    std::unique_ptr<DirTree::NameWriter> editedNames;
    NavigationCursor cursor;
    std::vector<ScanProblem> problems;
    LargestFiles largest;
    std::string savedRoot;
    std::int64_t freeBytes = -1;
    SizeMode mode = SizeMode::DiskUsage;
};
