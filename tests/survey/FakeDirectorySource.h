#pragma once

#include "DirectorySource.h"

#include <string>
#include <vector>

// An in-memory directory source for what a real file system cannot be made
// to do: a chosen search order, a directory whose search delivers nothing,
// sizes past 2^32, a sub-directory on another device.
class FakeDirectorySource : public DirectorySource {
public:
    static constexpr std::uint64_t kDevice = 1;

    FakeDirectorySource();

    // Directory 0 is the root. Entries are delivered in the order added.
    int AddDir(int parent, const std::string& name, std::uint64_t device = kDevice);
    void AddFile(int dir, const std::string& name, std::int64_t size, std::uint64_t inode = 0,
                 std::uint64_t links = 1);
    // The directory's search delivers no entry at all, not even "." and "..".
    void MakeSilent(int dir) { dirs[dir].silent = true; }
    void MakeUnopenable(int dir) { dirs[dir].unopenable = true; }

    // What the scan did, in order: "next NAME" and "examine NAME".
    std::vector<std::string> log;

    DirHandle OpenRoot(const std::string& path) override;
    DirHandle OpenChild(const DirHandle& parent, const char* name) override;
    DirHandle OpenParent(const DirHandle& dir) override;
    bool Identify(DirHandle& dir) override;
    void Close(DirHandle& dir) override;
    bool Next(const DirHandle& dir, DirEntry& entry) override;
    bool Examine(const DirHandle& dir, DirEntry& entry) override;
    std::int64_t FreeBytes(const DirHandle&) override { return freeBytes; }

    std::int64_t freeBytes = 123456789;

private:
    struct Entry {
        std::string name;
        bool isDirectory;
        std::int64_t size;
        std::uint64_t device;
        std::uint64_t inode;
        std::uint64_t links;
        int dir;
    };
    struct Dir {
        int parent;
        std::uint64_t device;
        std::vector<Entry> entries;
        bool silent = false;
        bool unopenable = false;
        std::size_t cursor = 0;
    };

    DirHandle Handle(int index);

    std::vector<Dir> dirs;
    Entry current;
};
