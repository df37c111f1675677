#pragma once

#include "DirectorySource.h"

// Reads the real file system through directory descriptors: getdents64 for
// listings, statx relative to the directory, openat2 to go down, so no full
// path is ever built and paths may be of any length. Nothing it does
// triggers an automount or follows a symbolic link.
class PosixDirectorySource : public DirectorySource {
public:
    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string& path) override;
};
