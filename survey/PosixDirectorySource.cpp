#include "PosixDirectorySource.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <limits>

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

constexpr std::size_t kListingBufferBytes = 64 * 1024;
constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW;
constexpr unsigned kStatMask = STATX_TYPE | STATX_SIZE | STATX_BLOCKS | STATX_INO | STATX_NLINK;
// Never wait on a network file system for fresh attributes, and never make
// an automount point mount itself just by looking at it.
constexpr int kStatFlags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC;
constexpr unsigned kCancelCheckEntries = 256;

// Kernels before 5.6, and some container sandboxes, lack openat2.
std::atomic<bool> openat2Missing{false};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

EntryKind KindOf(unsigned mode)
{
    if (S_ISDIR(mode))
        return EntryKind::Directory;
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISLNK(mode))
        return EntryKind::Symlink;
    return EntryKind::Other;
}

std::int64_t Clamped(std::uint64_t value)
{
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(value > kMax ? kMax : value);
}

EntryStat FromStatx(const struct statx& st)
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

bool Describe(int dir, const char* name, int flags, EntryStat& stat)
{
    struct statx st {};
    if (statx(dir, name, flags, kStatMask, &st) != 0)
        return false;
    stat = FromStatx(st);
    return true;
}

int OpenBeneath(int parent, const char* name)
{
    struct open_how how {};
    how.flags = kOpenFlags;
    how.resolve = RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    long fd;
    do {
        fd = syscall(SYS_openat2, parent, name, &how, sizeof how);
    } while (fd < 0 && errno == EINTR);
    return static_cast<int>(fd);
}

// Without openat2 the look and the open are two steps; a mount that appears
// between them is caught by looking again at what was opened.
int OpenAndCheck(int parent, const char* name, int& error)
{
    const int fd = openat(parent, name, kOpenFlags);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    EntryStat opened, listed;
    if (Describe(fd, "", kStatFlags | AT_EMPTY_PATH, opened) && Describe(parent, "", kStatFlags | AT_EMPTY_PATH, listed)
        && opened.IsDirectoryOf(listed.device))
        return fd;
    close(fd);
    error = EXDEV;
    return -1;
}

long ReadListing(int dir, char* buffer)
{
    long got;
    do {
        got = syscall(SYS_getdents64, dir, buffer, kListingBufferBytes);
    } while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

PosixDirectorySource::PosixDirectorySource()
{
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

int PosixDirectorySource::OpenRoot(const std::string& path, EntryStat& root, int& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (!Describe(fd, "", kStatFlags | AT_EMPTY_PATH, root)) {
        error = errno;
        close(fd);
        return -1;
    }
    return fd;
}

int PosixDirectorySource::OpenChild(int parent, const char* name, int& error)
{
    if (!openat2Missing.load(std::memory_order_relaxed)) {
        const int fd = OpenBeneath(parent, name);
        if (fd >= 0)
            return fd;
        if (errno != ENOSYS && errno != EPERM) {
            error = errno;
            return -1;
        }
        openat2Missing = true;
    }
    return OpenAndCheck(parent, name, error);
}

void PosixDirectorySource::Close(int dir)
{
    if (dir >= 0)
        close(dir);
}

void PosixDirectorySource::Read(int dir, Listing& listing, const std::atomic<bool>& stop)
{
    listing.Clear();
    thread_local std::vector<char> buffer(kListingBufferBytes);
    unsigned sinceCheck = 0;
    for (;;) {
        const long got = ReadListing(dir, buffer.data());
        if (got <= 0) {
            if (got < 0)
                listing.error = errno;
            return;
        }
        for (long position = 0; position < got;) {
            const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.data() + position);
            position += record->d_reclen;
            if (IsDotOrDotDot(record->d_name))
                continue;
            if (++sinceCheck == kCancelCheckEntries) {
                sinceCheck = 0;
                if (stop.load(std::memory_order_relaxed))
                    return;
            }
            EntryStat stat;
            if (Describe(dir, record->d_name, kStatFlags, stat))
                listing.Add(record->d_name, stat);
            else if (errno != ENOENT && listing.error == 0)
                listing.error = errno; // gone since the listing named it: nothing to say
        }
    }
}

std::int64_t PosixDirectorySource::FreeBytes(const std::string& path)
{
    struct statvfs fs {};
    if (statvfs(path.c_str(), &fs) != 0)
        return -1;
    return static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
}
