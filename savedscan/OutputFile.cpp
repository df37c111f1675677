#include "OutputFile.h"

#include "OutputLocation.h"
#include "TemporaryName.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The descriptor that a path names when it stands for one already open; -1
// for any other path.
int NamedDescriptor(const std::string& path)
{
    if (path == "-" || path == "/dev/stdout")
        return STDOUT_FILENO;
    if (path == "/dev/stderr")
        return STDERR_FILENO;
    for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        int descriptor = -1;
        const char* const end = path.data() + path.size();
        const std::from_chars_result number = std::from_chars(path.data() + prefix.size(), end, descriptor);
        if (number.ec == std::errc() && number.ptr == end)
            return descriptor;
    }
    return -1;
}

// The name under which /proc shows what fd is open as, whatever its name in
// the file system, or that it has none.
std::string ProcPath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

// Gives the unnamed file open as fd the name in dir; -1, with errno set,
// when that fails.
int LinkDescriptor(int fd, int dir, const char* name)
{
    if (linkat(fd, "", dir, name, AT_EMPTY_PATH) == 0)
        return 0;
    if (errno == EEXIST)
        return -1;
    // Without the privilege to link a descriptor itself, its /proc name serves.
    return linkat(AT_FDCWD, ProcPath(fd).c_str(), dir, name, AT_SYMLINK_FOLLOW);
}

std::vector<char> ListAttributes(const std::string& file)
{
    std::vector<char> names;
    for (;;) {
        const ssize_t size = listxattr(file.c_str(), nullptr, 0);
        if (size <= 0)
            return {};
        names.resize(static_cast<std::size_t>(size));
        const ssize_t listed = listxattr(file.c_str(), names.data(), names.size());
        if (listed >= 0) {
            names.resize(static_cast<std::size_t>(listed));
            return names;
        }
        if (errno != ERANGE)
            return {};
    }
}

// The extended attributes of the file open as from (with O_PATH), ACLs
// among them, as far as the caller may set them: a label the system gives
// every new file may be refused, and is then left as the system gave it.
void CopyExtendedAttributes(int from, int to)
{
    const std::string source = ProcPath(from);
    const std::vector<char> names = ListAttributes(source);
    bool hasAccessList = false;
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* const attribute = names.data() + at;
        hasAccessList = hasAccessList || std::strcmp(attribute, "system.posix_acl_access") == 0;
        const ssize_t size = getxattr(source.c_str(), attribute, nullptr, 0);
        if (size < 0)
            continue;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = getxattr(source.c_str(), attribute, value.data(), value.size());
        if (got >= 0)
            fsetxattr(to, attribute, value.data(), static_cast<std::size_t>(got), 0);
    }
    // The directory's default ACL gave the new file one that the old did
    // not have, and that may let more users read it.
    if (!hasAccessList)
        fremovexattr(to, "system.posix_acl_access");
}

} // namespace

OutputFile::~OutputFile()
{
    if (ownsFd)
        close(fd);
    if (way == Way::Named && !temporary.empty())
        TemporaryName::Remove();
}

bool OutputFile::Open()
{
    const int named = NamedDescriptor(path);
    if (named >= 0)
        return Borrow(named);
    OutputLocation where;
    if (!where.Find(path, problem))
        return false;
    directory = std::move(where.directory);
    name = where.name;
    if (!where.entry.Valid())
        return MakeTemporary();
    if (where.PlantedByAnotherUser())
        return Fail("not writing a file that another user owns in a shared directory");
    replaced = std::move(where.entry);
    replacedStat = where.entryStat;
    const bool regular = S_ISREG(replacedStat.st_mode);
    // In a shared directory anyone may have made the other name, to a file
    // of the caller's that the export must not overwrite: there it is replaced.
    if (!regular || (replacedStat.st_nlink > 1 && !where.InSharedDirectory()))
        return WriteInPlace(regular);
    if (MakeTemporary())
        return KeepAttributes();
    // Where no file can be made beside it, the file is written as a redirect would.
    if (errno == EACCES || errno == EPERM)
        return WriteInPlace(true);
    return false;
}

bool OutputFile::Borrow(int descriptor)
{
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
        return Fail(EBADF);
    fd = descriptor;
    return true;
}

bool OutputFile::WriteInPlace(bool regular)
{
    // Were the file swapped for a pipe, the open fails rather than waits.
    fd = openat(directory.Get(), name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | (regular ? O_NONBLOCK : 0));
    if (fd < 0)
        return Fail(errno);
    ownsFd = true;
    way = Way::AsItIs;
    struct stat opened {};
    if (fstat(fd, &opened) != 0)
        return Fail(errno);
    if (opened.st_dev != replacedStat.st_dev || opened.st_ino != replacedStat.st_ino)
        return Fail("the file was replaced while it was being opened");
    return !regular || ftruncate(fd, 0) == 0 || Fail(errno);
}

bool OutputFile::MakeTemporary()
{
    const int dir = directory.Get();
    fd = openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0 && access(ProcPath(fd).c_str(), F_OK) == 0) {
        ownsFd = true;
        way = Way::Unnamed;
        return true;
    }
    if (fd >= 0)
        close(fd);
    // Only a file system without unnamed files calls for a named one.
    else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return Fail(errno);
    fd = TemporaryName::Create(dir, name, temporary, [](int in, const char* file) {
        return openat(in, file, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    });
    if (fd < 0)
        return Fail(errno);
    ownsFd = true;
    way = Way::Named;
    return true;
}

// Owner and group first: changing them may clear set-id bits of the mode.
bool OutputFile::KeepAttributes()
{
    struct stat made {};
    if (fstat(fd, &made) != 0)
        return Fail(errno);
    const bool sameOwner = made.st_uid == replacedStat.st_uid && made.st_gid == replacedStat.st_gid;
    if (!sameOwner && fchown(fd, replacedStat.st_uid, replacedStat.st_gid) != 0)
        return Fail(std::string("cannot give the new file the owner and group of the old one: ")
                    + std::strerror(errno));
    CopyExtendedAttributes(replaced.Get(), fd);
    if (fchmod(fd, replacedStat.st_mode & 07777) != 0)
        return Fail(std::string("cannot give the new file the mode of the old one: ") + std::strerror(errno));
    return true;
}

bool OutputFile::Commit()
{
    switch (way) {
    case Way::Unnamed:
        return CommitUnnamed();
    case Way::Named:
        return CommitNamed();
    case Way::AsItIs:
        break;
    }
    if (!ownsFd)
        return true;
    ownsFd = false;
    return close(std::exchange(fd, -1)) == 0 || Fail(errno);
}

// A new file takes its name at once; one that replaces another is linked
// under a hidden name first, since only a rename replaces in one step.
bool OutputFile::CommitUnnamed()
{
    const int dir = directory.Get();
    const int made = fd;
    bool placed = false;
    if (!replaced.Valid()) {
        placed = LinkDescriptor(made, dir, name.c_str()) == 0;
    } else if (TemporaryName::Create(dir, name, temporary,
                                     [made](int in, const char* file) { return LinkDescriptor(made, in, file); })
               == 0) {
        placed = renameat(dir, temporary.c_str(), dir, name.c_str()) == 0;
        const int error = errno;
        placed ? TemporaryName::Forget() : TemporaryName::Remove();
        errno = error;
    }
    if (!placed)
        return Fail(errno);
    ownsFd = false;
    return close(std::exchange(fd, -1)) == 0 || Fail(errno);
}

bool OutputFile::CommitNamed()
{
    ownsFd = false;
    const bool placed = close(std::exchange(fd, -1)) == 0
        && renameat(directory.Get(), temporary.c_str(), directory.Get(), name.c_str()) == 0;
    const int error = errno;
    placed ? TemporaryName::Forget() : TemporaryName::Remove();
    temporary.clear();
    return placed || Fail(error);
}

bool OutputFile::Identity(dev_t& device, ino_t& inode) const
{
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    device = st.st_dev;
    inode = st.st_ino;
    return true;
}

bool OutputFile::Fail(int error)
{
    problem = std::strerror(error);
    errno = error;
    return false;
}

bool OutputFile::Fail(std::string reason)
{
    problem = std::move(reason);
    errno = 0;
    return false;
}
