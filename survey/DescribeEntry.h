#pragma once

#include "DirectorySource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdint>
#include <limits>

// What statx says of an entry, as the facts a walk needs. Inline, as the
// walk describes every entry it meets.

constexpr unsigned kStatMask = STATX_TYPE | STATX_SIZE | STATX_BLOCKS | STATX_INO | STATX_NLINK;
// Never wait on a network file system for fresh attributes, and never make
// an automount point mount itself just by looking at it.
constexpr int kStatFlags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC;

inline EntryKind KindOf(unsigned mode)
{
    if (S_ISDIR(mode))
        return EntryKind::Directory;
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISLNK(mode))
        return EntryKind::Symlink;
    return EntryKind::Other;
}

inline std::int64_t Clamped(std::uint64_t value)
{
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(value > kMax ? kMax : value);
}

inline EntryStat FromStatx(const struct statx& st)
{
    EntryStat stat;
    stat.kind = KindOf(st.stx_mode);
    stat.mountRoot = (st.stx_attributes_mask & st.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    constexpr std::uint64_t kBlocksThatFit = std::numeric_limits<std::uint64_t>::max() / 512;
    stat.diskBytes = Clamped(st.stx_blocks > kBlocksThatFit ? ~std::uint64_t(0) : st.stx_blocks * 512);
    stat.apparentBytes = Clamped(st.stx_size);
    stat.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    stat.inode = st.stx_ino;
    stat.links = st.stx_nlink;
    return stat;
}

// Describes the entry name of the open directory dir, or with AT_EMPTY_PATH
// and the name "" dir itself; false with errno when it cannot.
inline bool Describe(int dir, const char* name, int flags, EntryStat& stat)
{
    struct statx st {};
    if (statx(dir, name, flags, kStatMask, &st) != 0)
        return false;
    stat = FromStatx(st);
    return true;
}
