#pragma once

#include "DirectorySource.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// An in-memory directory source for what a real file system cannot be made
// to do: a chosen listing order, sizes past 2^63, directories that vanish or
// get a mount between their listing and their opening.
class FakeDirectorySource : public DirectorySource {
public:
    static constexpr std::uint64_t kDevice = 1;

    FakeDirectorySource();

    // Directory 0 is the root. Entries are listed in the order added.
    int AddDir(int parent, const std::string& name, std::uint64_t device = kDevice);
    // diskBytes -1 means as many as the apparent size.
    void AddFile(int dir, const std::string& name, std::int64_t size, std::uint64_t inode = 0, std::uint64_t links = 1,
                 std::int64_t diskBytes = -1);
    // The directory lists no entry at all.
    void MakeSilent(int dir) { dirs[dir].silent = true; }
    // Opening the directory fails with error (EACCES, ENOENT for one moved
    // away, EXDEV for one that became a mount point).
    void MakeUnopenable(int dir, int error = EACCES) { dirs[dir].openError = error; }
    // Its listing stops with error after the entries added so far.
    void BreakListing(int dir, int error)
    {
        dirs[dir].readError = error, dirs[dir].readable = dirs[dir].entries.size();
    }
    void MakeMountRoot(int dir) { dirs[dir].mountRoot = true; }
    // Runs action whenever the directory is read; it may wait for the stop
    // request of the scan, as a slow network share would.
    using ReadAction = std::function<void(const std::atomic<bool>& stop)>;
    void OnRead(int dir, ReadAction action) { dirs[dir].onRead = std::move(action); }

    int OpenHandles() const { return openHandles; }

    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string&) override { return freeBytes; }

    std::int64_t freeBytes = 123456789;

private:
    struct Entry {
        std::string name;
        EntryStat stat;
        int dir; // -1 for a file
    };
    struct Dir {
        EntryStat stat;
        std::vector<Entry> entries;
        bool silent = false;
        bool mountRoot = false;
        int openError = 0;
        int readError = 0;
        std::size_t readable = 0;
        ReadAction onRead;
    };

    int Open(int dir, int& error);

    std::vector<Dir> dirs;
    std::atomic<int> openHandles{0};
};
