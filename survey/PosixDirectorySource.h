#pragma once

#include "DirectorySource.h"

// Reads the real file system through directory descriptors: getdents64 for
// listings, statx relative to the directory, openat2 to go down, so no full
// path is ever built and paths may be of any length. Nothing it does
// triggers an automount or follows a symbolic link.
class PosixDirectorySource : public DirectorySource {
public:
    // A walk holds a descriptor for every directory whose sub-directories
    // are not all open yet, about one per level of a deep tree: the soft
    // limit on descriptors (often 1,024) is raised to the hard one.
    PosixDirectorySource();

    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string& path) override;
};
