#pragma once

#include "DirectorySource.h"
#include "ScanJob.h"

#include <QMetaType>

#include <memory>
#include <string>
#include <vector>

// What a tree on display was read from: a drive walked on the disk, or a
// saved scan (a file, or standard input). The window's rules ask it what can
// be done with the tree ("can this be scanned again?", "is this on a live
// disk?") instead of looking at where it came from.
class TreeSource {
public:
    // Nothing has been scanned.
    TreeSource() = default;
    // The drive at index of the probed drive list, mounted at mountPoint.
    static TreeSource Drive(int index, std::string mountPoint);
    // A saved scan in file ("-" for standard input).
    static TreeSource SavedScan(std::string file);
    // Saved scans read as one tree, a fleet (see ImportFleet); of one scan
    // too, to be compared with a fleet.
    static TreeSource Fleet(std::vector<std::string> files);

    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const TreeSource& other) const;
    bool operator!=(const TreeSource& other) const { return !(*this == other); }

    // The tree stands for what is on the disk now: its files can be listed
    // and moved to the trash, and its free space read again.
    bool IsLiveDisk() const { return kind == Kind::Drive; }
    bool CanScanAgain() const { return kind == Kind::Drive; }
    bool IsSavedScan() const { return kind == Kind::SavedScan; }
    bool IsFleet() const { return !fleet.empty(); }
    // Standard input gives one saved scan once.
    bool CanReadOnlyOnce() const;

    // The drive's index in the drive list; -1 for anything else.
    int DriveIndex() const { return kind == Kind::Drive ? driveIndex : -1; }
    // The drive's mount point, the saved scan's file, or how many a fleet reads ("3 saved scans").
    const std::string& Where() const { return where; }

    // What a scan job reads.
    ScanJob::Request Request() const;
    // The disk as it is now, for what is read after the scan (free space);
    // null where the tree is not on a live disk.
    std::unique_ptr<DirectorySource> Disk() const;

private:
    enum class Kind { None, Drive, SavedScan };

    TreeSource(Kind sourceKind, int index, std::string path, std::vector<std::string> files = {})
        : kind(sourceKind), driveIndex(index), where(std::move(path)), fleet(std::move(files))
    {
    }

    Kind kind = Kind::None;
    int driveIndex = -1;
    std::string where;
    std::vector<std::string> fleet;
};

// Each entry of the drive list carries what it stands for.
Q_DECLARE_METATYPE(TreeSource)
