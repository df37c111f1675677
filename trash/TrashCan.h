#pragma once

#include "UniqueFd.h"

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// A directory whose own size a move into the trash may change, with its
// size before; a directory the trash made counts as 0 before.
struct WatchedDirectory {
    std::string path;
    UniqueFd fd;
    std::int64_t diskBytes = 0;
    std::int64_t apparentBytes = 0;
};

// A trash directory of the freedesktop trash, opened step by step so that no
// name on the way can be a link or a directory another user planted: the
// drive's own trash at its top (.Trash/UID when .Trash is a sticky directory
// of the administrator's, else .Trash-UID, the user's own, closed to others),
// else the home trash when it lies on the same file system. Nothing is ever
// copied across drives: a drive with no usable trash takes nothing.
class TrashCan {
public:
    struct Places {
        uid_t uid;             // whose trash
        std::string homeTrash; // $XDG_DATA_HOME/Trash; empty for none
    };

    // The trash for entries of the file system whose top directory is open
    // as top, at topPath. With make false nothing is created, and a trash
    // that would be made counts as found (its descriptors stay closed).
    static TrashCan Open(int top, const std::string& topPath, const Places& places, bool make);

    explicit operator bool() const { return problem.empty(); }
    // Why no trash can take entries of the drive, for a person to read.
    const std::string& Problem() const { return problem; }
    // The trash directory's path; whether records name entries from the
    // drive's top (a drive's trash) rather than from "/" (the home trash).
    const std::string& Path() const { return path; }
    bool OnDrive() const { return onDrive; }
    int Files() const { return files.Get(); }
    int Info() const { return info.Get(); }
    // The trash's directories, and the one a made trash went into, with
    // their sizes before anything was put there.
    std::vector<WatchedDirectory>& Watched() { return watched; }
    // Watches one more directory, open as fd, from its size now.
    void Watch(int fd, const std::string& directory);

    // What is said when the drive cannot be written.
    static std::string ReadOnlyProblem();
    // Whether below, a path under a drive's top ("a/b"), is a drive's trash
    // directory or lies in one.
    static bool IsDriveTrash(const std::string& below);

private:
    bool OpenInDriveTop(int top, const std::string& topPath, uid_t uid, bool make, std::string& why);
    bool OpenAtHome(std::uint64_t device, const std::string& homeTrash, uid_t uid, bool make, std::string& why);
    bool OpenParts(UniqueFd trash, uid_t uid, bool make, std::string& why);

    std::string problem;
    std::string path;
    bool onDrive = false;
    UniqueFd files;
    UniqueFd info;
    std::vector<WatchedDirectory> watched;
};
