#include "MountTable.h"

#include "PathWithin.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>
#include <unordered_map>

namespace {

// Blanks, tabs, newlines and backslashes in the table's fields are written
// as three-digit octal escapes ("/media/USB\040STICK").
std::string Unescape(const std::string& field)
{
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 4 <= field.size()
            && std::all_of(field.begin() + i + 1, field.begin() + i + 4, [](char c) { return c >= '0' && c <= '7'; });
        if (octal) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

constexpr std::array<const char*, 30> kDiskTypes{
    "ext2",  "ext3",    "ext4", "xfs",  "btrfs",    "f2fs",       "vfat",     "msdos",   "exfat",    "ntfs",
    "ntfs3", "fuseblk", "zfs",  "jfs",  "reiserfs", "hfs",        "hfsplus",  "nilfs2",  "bcachefs", "overlay",
    "nfs",   "nfs4",    "cifs", "smb3", "smbfs",    "fuse.sshfs", "virtiofs", "iso9660", "udf",      "rootfs"};
constexpr std::array<const char*, 2> kRamDiskTypes{"tmpfs", "ramfs"};
constexpr std::array<const char*, 4> kSystemFolders{"/run", "/dev", "/sys", "/proc"};

template <std::size_t N>
bool OneOf(const std::string& text, const std::array<const char*, N>& list)
{
    return std::any_of(list.begin(), list.end(), [&](const char* item) { return text == item; });
}

} // namespace

std::vector<MountEntry> MountTable::Parse(std::istream& table)
{
    std::vector<MountEntry> entries;
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        MountEntry entry;
        if (fields >> entry.device >> entry.mountPoint >> entry.fsType) {
            entry.device = Unescape(entry.device);
            entry.mountPoint = Unescape(entry.mountPoint);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::vector<MountEntry> MountTable::ReadSystemTable()
{
    std::ifstream table("/proc/self/mounts");
    return Parse(table);
}

bool MountTable::HoldsUserData(const MountEntry& entry)
{
    if (OneOf(entry.fsType, kDiskTypes))
        return true;
    if (!OneOf(entry.fsType, kRamDiskTypes))
        return false;
    return std::none_of(kSystemFolders.begin(), kSystemFolders.end(),
                        [&](const char* folder) { return IsWithin(entry.mountPoint, folder); });
}

std::vector<MountEntry> MountTable::Drives(const std::vector<MountEntry>& entries, const IsDirectory& isDirectory)
{
    // One pass finds the last mount on each mount point, so that a table of
    // many thousand container mounts is read in linear time.
    std::unordered_map<std::string_view, std::size_t> lastMount(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        lastMount[entries[i].mountPoint] = i;
    std::vector<MountEntry> drives;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MountEntry& entry = entries[i];
        if (lastMount[entry.mountPoint] == i && HoldsUserData(entry) && isDirectory(entry.mountPoint))
            drives.push_back(entry);
    }
    const bool hasRoot = std::any_of(drives.begin(), drives.end(),
                                     [](const MountEntry& drive) { return drive.mountPoint == "/"; });
    if (!hasRoot)
        drives.insert(drives.begin(), MountEntry{"none", "/", "unknown"});
    return drives;
}

int MountTable::LongestContaining(const std::vector<MountEntry>& drives, const std::string& path)
{
    int best = -1;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        const std::string& mountPoint = drives[i].mountPoint;
        if (IsWithin(path, mountPoint) && (best < 0 || mountPoint.size() > drives[best].mountPoint.size()))
            best = static_cast<int>(i);
    }
    return best;
}
