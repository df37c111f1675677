#include "OpenDirectory.h"

#include "DescribeEntry.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {

constexpr int kRootFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC; // the root may be named through a link
constexpr int kOpenFlags = kRootFlags | O_NOFOLLOW;

// Kernels before 5.6, and some container sandboxes, lack openat2.
std::atomic<bool> openat2Missing{false};

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

} // namespace

int OpenDirectory(const char* path, int& error)
{
    const int fd = open(path, kRootFlags);
    if (fd < 0)
        error = errno;
    return fd;
}

int OpenBelow(int parent, const char* name, int& error)
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
