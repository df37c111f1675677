#pragma once

#include "DirectorySource.h"

#include <cstdint>
#include <string_view>

// What a walk meets, in the order one thread meets it walking depth-first in
// listing order and entering each sub-directory where its parent's listing
// names it. A tree builder and an export writer both take this stream.
class ScanEvents {
public:
    virtual ~ScanEvents() = default;

    // When the tree was scanned, in seconds since the epoch, before its
    // root: a saved scan that records it says so; a live walk does not.
    // Several saved scans read as one tree say the oldest's after the tree,
    // once it is known.
    virtual void ScanTime(std::int64_t) {}
    // The machine the tree was scanned on, before its root, when a saved
    // scan records it.
    virtual void Host(std::string_view) {}

    // The root first, named by its path; then each sub-directory.
    virtual void EnterDirectory(std::string_view name, const EntryStat& dir) = 0;
    // Every entry that is not a directory: files, links, devices, pipes, sockets.
    virtual void File(std::string_view name, const EntryStat& file) = 0;
    // A directory's own files summed up under one name, as a tree in memory
    // keeps them: count files (maybe none) of these sizes in all. A consumer
    // that keeps no count takes them as one file.
    virtual void Files(std::string_view name, const EntryStat& sizes, std::int64_t /*count*/) { File(name, sizes); }
    // An entry that is another file system, or another mount of this one
    // (a directory, or a file bind-mounted): named, never entered nor
    // counted.
    virtual void OtherFileSystem(std::string_view name, const EntryStat& dir) = 0;
    // The directory entered last could not be read, or not whole; error is
    // an errno value. What could be read is still delivered.
    virtual void Unreadable(int error) = 0;
    virtual void LeaveDirectory() = 0;
};
