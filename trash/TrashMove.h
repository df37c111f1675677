#pragma once

#include "TrashCan.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Moves a directory or file that a scan found into the trash of its own
// file system, by descriptors from the scan's top down: each step opened
// without following a link or crossing a mount, the entry required to be
// the one looked at before the question was asked, the record written
// first. Nothing is copied: what cannot be renamed into a trash on its own
// file system stays where it is, and the answer says why.
class TrashMove {
public:
    using MountPoints = std::function<std::vector<std::string>()>;
    // How much a directory's own size (itself and the files directly in it)
    // grew with the move.
    struct SizeChange {
        std::string path;
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
    };

    // below: the entry's path under top, the top directory of the file
    // system that was scanned ("a/b"). mountPoints: the mounts now.
    TrashMove(std::string top, std::string below, TrashCan::Places places, MountPoints mountPoints);
    // The system's mount table.
    static MountPoints SystemMounts();

    // Looks without changing anything: empty when the entry can go, else
    // why not, for a person to read. Notes what the entry is now.
    std::string Check();
    // Moves the entry that Check saw; empty once moved, else why not, with
    // the entry where it was.
    std::string Move();

    // After a move: the entry's new path, and the directories whose own
    // sizes changed (the record counts in its info directory).
    const std::string& TrashedPath() const { return trashedPath; }
    const std::vector<SizeChange>& Changes() const { return changes; }

private:
    struct Identity {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        bool operator==(const Identity& other) const { return device == other.device && inode == other.inode; }
    };

    std::string OpenEntry(UniqueFd& topFd, UniqueFd& parent, Identity& found) const;
    std::string MountInside() const;
    std::string Refusal(const TrashCan& trash) const;
    std::string Rename(int parent, TrashCan& trash);
    int ReserveName(const TrashCan& trash, std::string& name) const;
    void NoteChanges(std::vector<WatchedDirectory>& watched, int record, const std::string& infoPath);

    std::string top;
    std::string below;
    std::string name; // the entry's own name
    std::string path; // its full path
    TrashCan::Places places;
    MountPoints mountPoints;
    Identity seen;
    bool checked = false;
    std::string trashedPath;
    std::vector<SizeChange> changes;
};
