#include "TrashMove.h"

#include "DescribeEntry.h"
#include "MountTable.h"
#include "OpenDirectory.h"
#include "PathWithin.h"
#include "TrashRecord.h"
#include "WriteAll.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr std::size_t kNameMax = 255;
const std::string kRecordSuffix = ".trashinfo";
const std::string kNothingMoved = ": nothing was moved";

std::string Failure(int error)
{
    if (error == EROFS)
        return TrashCan::ReadOnlyProblem();
    return std::string("It could not be moved (") + std::strerror(error) + ")" + kNothingMoved;
}

// The name in the trash: the entry's own, then with ".2", ".3", ... after
// it, cut so that its record's name still fits.
std::string Candidate(const std::string& name, int attempt)
{
    const std::string suffix = attempt == 1 ? std::string() : "." + std::to_string(attempt);
    return name.substr(0, kNameMax - kRecordSuffix.size() - suffix.size()) + suffix;
}

} // namespace

TrashMove::TrashMove(std::string topPath, std::string entryBelow, TrashCan::Places trashPlaces, MountPoints mountsNow)
    : top(std::move(topPath)),
      below(std::move(entryBelow)),
      name(below.substr(below.rfind('/') + 1)),
      path(top == "/" ? "/" + below : top + "/" + below),
      places(std::move(trashPlaces)),
      mountPoints(std::move(mountsNow))
{
}

TrashMove::MountPoints TrashMove::SystemMounts()
{
    return [] {
        std::vector<std::string> points;
        for (const MountEntry& entry : MountTable::ReadSystemTable())
            points.push_back(entry.mountPoint);
        return points;
    };
}

std::string TrashMove::Check()
{
    checked = false;
    if (below.empty() || TrashCan::IsDriveTrash(below))
        return "It is a trash directory" + kNothingMoved;
    UniqueFd topFd, parent;
    std::string why = OpenEntry(topFd, parent, seen);
    if (why.empty())
        why = MountInside();
    if (why.empty())
        why = Refusal(TrashCan::Open(topFd.Get(), top, places, false));
    checked = why.empty();
    return why;
}

std::string TrashMove::Move()
{
    if (!checked)
        return "It was not looked at first" + kNothingMoved;
    UniqueFd topFd, parent;
    Identity now;
    std::string why = OpenEntry(topFd, parent, now);
    if (why.empty() && !(now == seen))
        why = "It changed since it was looked at" + kNothingMoved;
    if (why.empty())
        why = MountInside();
    if (!why.empty())
        return why;
    TrashCan trash = TrashCan::Open(topFd.Get(), top, places, true);
    why = Refusal(trash);
    if (why.empty()) {
        const std::string parentPath = path.substr(0, path.size() - name.size() - 1);
        trash.Watch(parent.Get(), parentPath.empty() ? "/" : parentPath);
        why = Rename(parent.Get(), trash);
    }
    return why;
}

// Opens the top and each directory down to the entry's parent, never through
// a link or into another mount, and describes the entry itself.
std::string TrashMove::OpenEntry(UniqueFd& topFd, UniqueFd& parent, Identity& found) const
{
    int error = 0;
    topFd = UniqueFd(OpenDirectory(top.c_str(), error));
    if (!topFd.Valid())
        return Failure(error);
    parent = UniqueFd(fcntl(topFd.Get(), F_DUPFD_CLOEXEC, 0));
    for (std::size_t start = 0, slash; (slash = below.find('/', start)) != std::string::npos; start = slash + 1) {
        const std::string step = below.substr(start, slash - start);
        parent = UniqueFd(OpenBelow(parent.Get(), step.c_str(), error));
        if (!parent.Valid())
            return "The way to it has changed (" + step + ": " + std::strerror(error) + ")" + kNothingMoved;
    }
    EntryStat entry;
    if (!Describe(parent.Get(), name.c_str(), kStatFlags, entry))
        return Failure(errno);
    if (entry.mountRoot)
        return "It is a mount point" + kNothingMoved;
    found = {entry.device, entry.inode};
    return {};
}

std::string TrashMove::MountInside() const
{
    for (const std::string& point : mountPoints())
        if (IsWithin(point, path))
            return "It holds the mount point " + point + kNothingMoved;
    return {};
}

// A trash that cannot be had, or one that lies in the entry or holds it.
std::string TrashMove::Refusal(const TrashCan& trash) const
{
    if (!trash)
        return trash.Problem();
    if (IsWithin(trash.Path(), path))
        return "It holds the trash " + trash.Path() + kNothingMoved;
    if (IsWithin(path, trash.Path()))
        return "It is in the trash already" + kNothingMoved;
    return {};
}

// Creating the record with O_EXCL claims the name, so two programs trashing
// at once never take the same one; a name already in files is passed by.
int TrashMove::ReserveName(const TrashCan& trash, std::string& chosen) const
{
    for (int attempt = 1;; ++attempt) {
        chosen = Candidate(name, attempt);
        const std::string record = chosen + kRecordSuffix;
        const int fd = openat(trash.Info(), record.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        struct stat st {};
        if (fstatat(trash.Files(), chosen.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            unlinkat(trash.Info(), record.c_str(), 0);
            close(fd);
            continue;
        }
        return fd;
    }
}

std::string TrashMove::Rename(int parent, TrashCan& trash)
{
    std::string chosen;
    const UniqueFd record(ReserveName(trash, chosen));
    if (!record.Valid())
        return Failure(errno);
    const std::string recordName = chosen + kRecordSuffix;
    const auto forget = [&] { unlinkat(trash.Info(), recordName.c_str(), 0); };
    if (const int error = WriteAll(record.Get(), TrashRecord(trash.OnDrive() ? below : path, std::time(nullptr)))) {
        forget();
        return Failure(error);
    }
    if (renameat2(parent, name.c_str(), trash.Files(), chosen.c_str(), RENAME_NOREPLACE) != 0) {
        const int error = errno;
        forget();
        return Failure(error);
    }
    // The entry's name may have been given to something else between the
    // look and the rename: that goes back.
    EntryStat moved;
    if (!Describe(trash.Files(), chosen.c_str(), kStatFlags, moved) || !(Identity{moved.device, moved.inode} == seen)) {
        renameat2(trash.Files(), chosen.c_str(), parent, name.c_str(), RENAME_NOREPLACE);
        forget();
        return "It changed while it was being moved" + kNothingMoved;
    }
    trashedPath = trash.Path() + "/files/" + chosen;
    NoteChanges(trash.Watched(), record.Get(), trash.Path() + "/info");
    return {};
}

void TrashMove::NoteChanges(std::vector<WatchedDirectory>& watched, int record, const std::string& infoPath)
{
    changes.clear();
    struct stat st {};
    for (const WatchedDirectory& directory : watched) {
        if (fstat(directory.fd.Get(), &st) != 0)
            continue;
        changes.push_back({directory.path, static_cast<std::int64_t>(st.st_blocks) * 512 - directory.diskBytes,
                           st.st_size - directory.apparentBytes});
    }
    if (fstat(record, &st) != 0)
        return;
    for (SizeChange& change : changes)
        if (change.path == infoPath) {
            change.diskBytes += static_cast<std::int64_t>(st.st_blocks) * 512;
            change.apparentBytes += st.st_size;
        }
}
