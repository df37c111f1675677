#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

struct MountEntry {
    std::string device;
    std::string mountPoint;
    std::string fsType;
};

// The mounted file systems, read from a table in the format of
// /proc/self/mounts, and which of them are drives a user would survey.
class MountTable {
public:
    using IsDirectory = std::function<bool(const std::string& path)>;

    static std::vector<MountEntry> Parse(std::istream& table);
    static std::vector<MountEntry> ReadSystemTable();

    // File systems that hold user data: block devices, overlay roots, network
    // shares, optical media and RAM disks outside /run, /dev, /sys and /proc.
    static bool HoldsUserData(const MountEntry& entry);

    // The drives of a table, in table order. A later mount on the same mount
    // point hides the earlier one; "/" is always offered, since a container's
    // table may lack it.
    static std::vector<MountEntry> Drives(const std::vector<MountEntry>& entries, const IsDirectory& isDirectory);

    // Index of the drive whose mount point is the longest that contains the
    // canonical path; -1 when none does.
    static int LongestContaining(const std::vector<MountEntry>& drives, const std::string& path);
};
