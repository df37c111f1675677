#include "PosixDirectorySource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace {

// The kernel's record for getdents64; glibc's struct dirent matches it, but
// spelling it out keeps the layout independent of _FILE_OFFSET_BITS.
struct LinuxDirent64 {
    std::uint64_t d_ino;
    std::int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

constexpr std::size_t kListingBufferBytes = 256 * 1024;
constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

} // namespace

PosixDirectorySource::PosixDirectorySource() : buffer(kListingBufferBytes) {}

bool PosixDirectorySource::Identify(DirHandle& dir)
{
    struct stat st {};
    if (fstat(dir.id, &st) != 0)
        return false;
    dir.device = st.st_dev;
    dir.inode = st.st_ino;
    return true;
}

DirHandle PosixDirectorySource::Identified(int fd)
{
    DirHandle dir{fd};
    if (fd >= 0 && !Identify(dir))
        Close(dir);
    return dir;
}

DirHandle PosixDirectorySource::OpenRoot(const std::string& path)
{
    return Identified(open(path.c_str(), kOpenFlags));
}

DirHandle PosixDirectorySource::OpenChild(const DirHandle& parent, const char* name)
{
    return {openat(parent.id, name, kOpenFlags | O_NOFOLLOW)};
}

DirHandle PosixDirectorySource::OpenParent(const DirHandle& dir)
{
    return Identified(openat(dir.id, "..", kOpenFlags));
}

void PosixDirectorySource::Close(DirHandle& dir)
{
    if (dir.IsOpen())
        close(dir.id);
    if (listingFd == dir.id)
        listingFd = -1;
    dir.id = -1;
}

bool PosixDirectorySource::Refill(int fd)
{
    long got;
    do {
        got = syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
    } while (got < 0 && errno == EINTR);
    filled = got > 0 ? got : 0;
    position = 0;
    return filled > 0;
}

bool PosixDirectorySource::Next(const DirHandle& dir, DirEntry& entry)
{
    if (listingFd != dir.id) {
        listingFd = dir.id;
        filled = position = 0;
    }
    if (position >= filled && !Refill(dir.id)) {
        listingFd = -1;
        return false;
    }
    const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.data() + position);
    position += record->d_reclen;
    entry.name = record->d_name;
    return true;
}

bool PosixDirectorySource::Examine(const DirHandle& dir, DirEntry& entry)
{
    struct statx st {};
    constexpr unsigned kMask = STATX_TYPE | STATX_SIZE | STATX_INO | STATX_NLINK;
    if (statx(dir.id, entry.name, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC, kMask, &st) != 0)
        return false;
    entry.isDirectory = S_ISDIR(st.stx_mode);
    entry.size = static_cast<std::int64_t>(st.stx_size);
    entry.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    entry.inode = st.stx_ino;
    entry.links = st.stx_nlink;
    return true;
}

std::int64_t PosixDirectorySource::FreeBytes(const DirHandle& dir)
{
    struct statvfs fs {};
    if (fstatvfs(dir.id, &fs) != 0)
        return -1;
    return static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
}
