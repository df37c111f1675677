#include "Drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstdlib>

namespace {

bool IsDirectory(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameDevice(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev;
}

} // namespace

std::string Drives::CanonicalPath(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string canonical = resolved;
    std::free(resolved);
    return canonical;
}

Drives Drives::Probe()
{
    return Drives(MountTable::Drives(MountTable::ReadSystemTable(), IsDirectory));
}

std::string Drives::MountPoint(int index) const
{
    return index >= 0 && index < Count() ? entries[static_cast<std::size_t>(index)].mountPoint : std::string();
}

std::string Drives::BelowMountPoint(const std::string& path, int drive) const
{
    const std::string canonical = CanonicalPath(path);
    const std::string mountPoint = MountPoint(drive);
    if (canonical.compare(0, mountPoint.size(), mountPoint) != 0)
        return {};
    const std::size_t start = canonical.find_first_not_of('/', mountPoint.size());
    return start == std::string::npos ? std::string() : canonical.substr(start);
}

std::int64_t Drives::UsedBytes(const std::string& path)
{
    struct statvfs fs {};
    if (statvfs(path.c_str(), &fs) != 0 || fs.f_blocks < fs.f_bfree)
        return -1;
    return static_cast<std::int64_t>((fs.f_blocks - fs.f_bfree) * fs.f_frsize);
}

int Drives::OfPath(const std::string& path) const
{
    const std::string canonical = CanonicalPath(path);
    if (canonical.empty())
        return -1;
    const int index = MountTable::LongestContaining(entries, canonical);
    if (index < 0 || !SameDevice(canonical, MountPoint(index)))
        return -1;
    return index;
}
