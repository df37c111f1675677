#pragma once

#include "DescriptorCalls.h"
#include "DirectorySource.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// Reads the real file system through directory descriptors: getdents64 for
// listings, statx relative to the directory, openat2 to go down, so no full
// path is ever built and paths may be of any length. Nothing it does
// triggers an automount or follows a symbolic link.
//
// Handles are the source's own, not descriptors: a deep or wide walk may
// hold more directories open than the process may have descriptors. When
// descriptors run short, the one used longest ago by no call in progress is
// given back, and its directory is opened again by name from the nearest
// ancestor still open (never through "..") once it is needed. When the
// process has no descriptor left, the calls open one at a time, so that
// two descriptors are enough for any depth and any number of threads; with
// fewer, a call fails with EMFILE rather than wait for what cannot come.
class PosixDirectorySource : public DirectorySource {
public:
    // The soft limit on descriptors (often 1,024) is raised to the hard one.
    PosixDirectorySource();
    // Opens and closes through systemCalls, which must outlive the source.
    explicit PosixDirectorySource(DescriptorCalls& systemCalls);

    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string& path) override;

private:
    using Lock = std::unique_lock<std::mutex>;
    // What one call to the source is doing.
    struct Call {
        bool opener = false; // the only call opening descriptors now
    };
    struct Dir {
        int fd = -1;     // -1 while given back
        int parent = -1; // -1 for the root, whose name is its path
        std::string name;
        unsigned users = 0;     // the caller's handle and the children not closed
        unsigned pinned = 0;    // calls using fd now
        bool held = false;      // the caller has not closed its handle
        bool closeOwed = false; // closed while pinned: the last unpin closes it
        std::uint64_t lastUse = 0;
    };

    int Pin(int id, int& error, Lock& lock, Call& call);
    void Unpin(int id);
    void EndCall(Call& call);
    void Wake();
    bool EnsureOpen(int id, int& error, Lock& lock, Call& call);
    int OpenDescriptor(int at, const std::string& name, int& error, Lock& lock, Call& call);
    bool GiveBackOldest();
    bool MakeRoom(Lock& lock);
    void WaitForOpener(Lock& lock);
    int Add(int fd, int parent, std::string name);
    void Drop(int id);
    void CloseDescriptor(Dir& dir);
    void Settle(Dir& dir, int fd);

    DescriptorCalls& system;
    std::mutex mutex;
    std::condition_variable released;
    std::deque<Dir> dirs; // places stay put while others are added
    std::vector<int> freeIds;
    std::size_t descriptors = 0; // held for handles
    std::uint64_t closings = 0;  // descriptors closed so far
    std::size_t budget;          // how many may be held before one is given back
    unsigned calls = 0;          // calls in progress
    unsigned waiting = 0;        // of those, the ones waiting for the opener
    bool openerBusy = false;     // a call is the opener
    std::uint64_t clock = 0;
};
