#include "TrashCan.h"

#include "Drives.h"
#include "OpenDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr mode_t kPrivate = 0700;

std::string Join(const std::string& dir, const std::string& name)
{
    return dir == "/" ? "/" + name : dir + "/" + name;
}

std::string ParentOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// A link met where a directory should be gives ENOTDIR or ELOOP, as the
// kernel pleases: a second look tells which it was.
std::string OpenError(int parent, const std::string& name, int error)
{
    struct stat st {};
    if (fstatat(parent, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return "is a symbolic link";
    switch (error) {
    case ELOOP:
        return "is a symbolic link";
    case ENOTDIR:
        return "is not a directory";
    case EXDEV:
        return "is a mount of another file system";
    default:
        return std::string("cannot be opened: ") + std::strerror(error);
    }
}

// Why the directory open as fd is no part of the user's trash: not the
// user's, or (when closed) open to others.
std::string WhyNotOwn(int fd, uid_t uid, bool closed)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return std::string("cannot be read: ") + std::strerror(errno);
    if (st.st_uid != uid)
        return "belongs to another user";
    if (closed && (st.st_mode & 07777) != kPrivate) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        return std::string("is open to other users (mode ") + mode + ")";
    }
    return {};
}

// The administrator's shared trash: sticky, so that users cannot take each
// other's directories there.
bool IsSharedTrash(int fd, uid_t uid)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && (st.st_mode & S_ISVTX) != 0 && (st.st_uid == 0 || st.st_uid == uid);
}

// The folders on the way to the home trash, as a file manager would make them.
void MakeDirectories(const std::string& dir)
{
    if (dir == "/" || access(dir.c_str(), F_OK) == 0)
        return;
    MakeDirectories(ParentOf(dir));
    mkdir(dir.c_str(), kPrivate);
}

void Watch(std::vector<WatchedDirectory>& watched, int fd, const std::string& path, bool made)
{
    for (const WatchedDirectory& known : watched)
        if (known.path == path)
            return;
    WatchedDirectory directory{path, UniqueFd(fcntl(fd, F_DUPFD_CLOEXEC, 0))};
    struct stat st {};
    if (!made && fstat(fd, &st) == 0) {
        directory.diskBytes = static_cast<std::int64_t>(st.st_blocks) * 512;
        directory.apparentBytes = st.st_size;
    }
    watched.push_back(std::move(directory));
}

// Opens the directory name in parent, which must be the user's own (and,
// when closed, shut to everyone else), making it (mode 0700) when missing
// and make is set. Without make, one that could be made is no problem, but
// stays closed. why says what is wrong with it.
UniqueFd OpenOwn(int parent, const std::string& parentPath, const std::string& name, uid_t uid, bool closed, bool make,
                 std::vector<WatchedDirectory>& watched, std::string& why)
{
    why.clear();
    int error = 0;
    UniqueFd fd(OpenBelow(parent, name.c_str(), error));
    if (!fd.Valid() && error == ENOENT) {
        if (!make) {
            if (faccessat(parent, ".", W_OK | X_OK, AT_EACCESS) != 0)
                why = std::string("cannot be made: ") + std::strerror(errno);
            return fd;
        }
        Watch(watched, parent, parentPath, false);
        if (mkdirat(parent, name.c_str(), kPrivate) != 0 && errno != EEXIST) {
            why = std::string("cannot be made: ") + std::strerror(errno);
            return fd;
        }
        fd = UniqueFd(OpenBelow(parent, name.c_str(), error));
        if (fd.Valid()) {
            fchmod(fd.Get(), kPrivate); // whatever the umask
            Watch(watched, fd.Get(), Join(parentPath, name), true);
        }
    }
    if (!fd.Valid()) {
        why = OpenError(parent, name, error);
        return fd;
    }
    why = WhyNotOwn(fd.Get(), uid, closed);
    return why.empty() ? std::move(fd) : UniqueFd();
}

} // namespace

TrashCan TrashCan::Open(int top, const std::string& topPath, const Places& places, bool make)
{
    TrashCan can;
    struct statvfs fileSystem {};
    struct stat topStat {};
    if (fstatvfs(top, &fileSystem) == 0 && (fileSystem.f_flag & ST_RDONLY) != 0) {
        can.problem = ReadOnlyProblem();
        return can;
    }
    std::string onDriveWhy;
    if (can.OpenInDriveTop(top, topPath, places.uid, make, onDriveWhy)) {
        can.onDrive = true;
        return can;
    }
    can = TrashCan();
    std::string homeWhy;
    if (fstat(top, &topStat) == 0 && can.OpenAtHome(topStat.st_dev, places.homeTrash, places.uid, make, homeWhy))
        return can;
    can = TrashCan();
    can.problem = onDriveWhy + ", and " + (homeWhy.empty() ? "there is no home trash" : homeWhy)
        + ": nothing was moved";
    return can;
}

std::string TrashCan::ReadOnlyProblem()
{
    return "The drive is read-only: nothing was moved";
}

void TrashCan::Watch(int fd, const std::string& directory)
{
    ::Watch(watched, fd, directory, false);
}

bool TrashCan::IsDriveTrash(const std::string& below)
{
    const std::string first = below.substr(0, below.find('/'));
    return first == ".Trash" || first.compare(0, 7, ".Trash-") == 0;
}

bool TrashCan::OpenInDriveTop(int top, const std::string& topPath, uid_t uid, bool make, std::string& why)
{
    const std::string user = std::to_string(uid);
    int error = 0;
    const UniqueFd shared(OpenBelow(top, ".Trash", error));
    if (shared.Valid() && IsSharedTrash(shared.Get(), uid)) {
        path = Join(Join(topPath, ".Trash"), user);
        std::string sharedWhy;
        UniqueFd own = OpenOwn(shared.Get(), Join(topPath, ".Trash"), user, uid, true, make, watched, sharedWhy);
        if (sharedWhy.empty() && OpenParts(std::move(own), uid, make, sharedWhy))
            return true;
        watched.clear();
    }
    path = Join(topPath, ".Trash-" + user);
    UniqueFd own = OpenOwn(top, topPath, ".Trash-" + user, uid, true, make, watched, why);
    if (why.empty() && OpenParts(std::move(own), uid, make, why))
        return true;
    why = "The drive's trash " + path + " " + why;
    return false;
}

bool TrashCan::OpenAtHome(std::uint64_t device, const std::string& homeTrash, uid_t uid, bool make, std::string& why)
{
    if (homeTrash.empty() || homeTrash[0] != '/')
        return false;
    std::string existing = ParentOf(homeTrash);
    struct stat st {};
    while (stat(existing.c_str(), &st) != 0 && existing != "/")
        existing = ParentOf(existing);
    if (st.st_dev != device) {
        why = "the home trash is on another drive";
        return false;
    }
    const std::string parentPath = ParentOf(homeTrash);
    if (make)
        MakeDirectories(parentPath);
    const UniqueFd parent(open(parentPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    path = homeTrash;
    if (!parent.Valid()) {
        if (make || errno != ENOENT)
            why = "the home trash " + path + " cannot be made: " + std::strerror(errno);
        return !make && errno == ENOENT;
    }
    if (fstat(parent.Get(), &st) != 0 || st.st_dev != device) {
        why = "the home trash is on another drive";
        return false;
    }
    const std::string canonicalParent = Drives::CanonicalPath(parentPath);
    path = Join(canonicalParent, "Trash");
    UniqueFd trash = OpenOwn(parent.Get(), canonicalParent, "Trash", uid, false, make, watched, why);
    if (why.empty() && OpenParts(std::move(trash), uid, make, why))
        return true;
    why = "the home trash " + path + " " + why;
    return false;
}

// files and info must be real directories of the user's, as the trash is.
bool TrashCan::OpenParts(UniqueFd trash, uid_t uid, bool make, std::string& why)
{
    if (!trash.Valid())
        return true; // would be made, with its parts
    Watch(trash.Get(), path);
    for (auto [name, part] : {std::make_pair("files", &files), std::make_pair("info", &info)}) {
        *part = OpenOwn(trash.Get(), path, name, uid, false, make, watched, why);
        if (!why.empty()) {
            why = std::string("holds ") + name + ", which " + why;
            return false;
        }
        if (part->Valid())
            Watch(part->Get(), Join(path, name));
    }
    return true;
}
