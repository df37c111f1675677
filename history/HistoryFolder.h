#pragma once

#include "MountTable.h"
#include "Recording.h"

#include <string>
#include <vector>

// The folder of one drive's history: its recordings, and an index beside
// them that names each one's used bytes so that a listing reads none of
// them. The recordings stay the truth: one the index lacks is still listed,
// with its used bytes unknown until IndexMissing reads them.
class HistoryFolder {
public:
    // Where the histories of all drives are kept: $KELMO_HISTORY_DIR when
    // set; /var/lib/kelmo/history for root (the system timer's); else
    // $XDG_STATE_HOME/kelmo/history, ~/.local/state/kelmo/history by default.
    static std::string Location();

    // The name of a drive's folder, so that two drives mounted at the same
    // place at different times never mix: "uuid-" and the file system's
    // UUID where byUuid (/dev/disk/by-uuid) names its device, else "mount-"
    // and the mount point percent-encoded ("mount-%2Fsrv%2Fdata").
    static std::string DriveFolderName(const MountEntry& drive, const std::string& byUuid = "/dev/disk/by-uuid");

    // The folder of drive's history, below Location().
    static HistoryFolder Of(const MountEntry& drive)
    {
        return HistoryFolder(Location() + "/" + DriveFolderName(drive));
    }

    explicit HistoryFolder(std::string folderPath) : path(std::move(folderPath)) {}
    const std::string& Path() const { return path; }

    // Makes the folder and those above it that are missing, for their owner
    // alone (a history names every folder of a drive); false, with the
    // reason in problem, when that fails.
    bool Make(std::string& problem) const;
    // Oldest first.
    std::vector<Recording> Recordings() const;
    // Names recording's used bytes in the index.
    bool Index(const Recording& recording, std::string& problem) const;
    // Names in the index the used bytes of each recording it lacks (one
    // whose line was never written: a recording stopped just after its file,
    // an index that could not be written), read from the recording itself.
    bool IndexMissing(std::string& problem) const;
    // Removes a recording and its line in the index.
    bool Remove(const Recording& recording, std::string& problem) const;

private:
    std::vector<Recording> IndexLines() const;
    bool WriteIndex(const std::vector<Recording>& lines, std::string& problem) const;

    std::string path;
};
