#pragma once

#include "MountTable.h"

#include <cstdint>
#include <string>
#include <vector>

// The drives a person can pick: the mounted file systems that hold user
// data, probed once from the system's mount table (or given, in tests).
class Drives {
public:
    // The absolute path without links, "." or ".."; empty when it does not exist.
    static std::string CanonicalPath(const std::string& path);
    // The drives of the system's mount table.
    static Drives Probe();

    explicit Drives(std::vector<MountEntry> mounts = {}) : entries(std::move(mounts)) {}

    const std::vector<MountEntry>& List() const { return entries; }
    int Count() const { return static_cast<int>(entries.size()); }
    // The mount point of drive index; empty for an index that names no drive.
    std::string MountPoint(int index) const;
    // The drive that holds path (the longest mount point containing it, on
    // the same device); -1 when no drive does or the path does not exist.
    int OfPath(const std::string& path) const;
    // path's place below the mount point of drive, the drive that holds it
    // ("ann/Videos" for /home/ann/Videos on /home; "" for the mount point).
    std::string BelowMountPoint(const std::string& path, int drive) const;
    // The space in use on the file system that holds path (what a scan of
    // its whole drive is expected to count); -1 when it cannot be known.
    static std::int64_t UsedBytes(const std::string& path);
    // The drive that holds the current working directory.
    int Current() const { return OfPath("."); }

private:
    std::vector<MountEntry> entries;
};
