#pragma once

#include "DirectorySource.h"

#include <vector>

// Reads the real file system through directory descriptors: getdents64 for
// listings and statx relative to the directory, so no full path is ever
// built and paths may be of any length.
class PosixDirectorySource : public DirectorySource {
public:
    PosixDirectorySource();

    DirHandle OpenRoot(const std::string& path) override;
    DirHandle OpenChild(const DirHandle& parent, const char* name) override;
    DirHandle OpenParent(const DirHandle& dir) override;
    bool Identify(DirHandle& dir) override;
    void Close(DirHandle& dir) override;
    bool Next(const DirHandle& dir, DirEntry& entry) override;
    bool Examine(const DirHandle& dir, DirEntry& entry) override;
    std::int64_t FreeBytes(const DirHandle& dir) override;

private:
    DirHandle Identified(int fd);
    bool Refill(int fd);

    std::vector<char> buffer;
    int listingFd = -1;
    long filled = 0;
    long position = 0;
};
