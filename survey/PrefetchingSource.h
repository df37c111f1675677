#pragma once

#include "DirectorySource.h"
#include "ThreadStarter.h"
#include "WalkerCount.h"

#include <pthread.h>

#include <condition_variable>
#include <mutex>
#include <queue>
#include <thread>
#include <unordered_map>
#include <vector>

// A directory source that reads ahead for a walk on one thread. Once a
// directory's listing is known, helper threads open and read the
// sub-directories the walk will enter (those on the directory's own file
// system, not mounts of their own), always the first of them in the walk's
// order, so that many helpers do not drift away from where the walk will
// be next. So a walk that must stay on one thread, such
// as the export's, keeps several cores busy in the kernel. The walk gets
// the same handles, listings and errors as from the source underneath, only
// sooner. At most `maxAhead` directories wait read ahead of the walk.
class PrefetchingSource : public DirectorySource {
public:
    // threadCount counts the walk's own; 0 takes a parallel walk's default
    // (see WalkerCount). Helpers that cannot be started leave the reading
    // to those that could, and to the walk.
    PrefetchingSource(DirectorySource& wrapped, int threadCount, std::size_t maxAhead = 2048,
                      ThreadStarter starter = StartThread);
    ~PrefetchingSource() override;

    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string& path) override { return inner.FreeBytes(path); }

private:
    // The walk and the helpers take the lock briefly, once or twice per
    // directory: spinning a little before sleeping costs less than the
    // sleep and wake-up a plain mutex goes through when they meet.
    class AdaptiveMutex {
    public:
        AdaptiveMutex();
        ~AdaptiveMutex() { pthread_mutex_destroy(&mutex); }
        AdaptiveMutex(const AdaptiveMutex&) = delete;
        AdaptiveMutex& operator=(const AdaptiveMutex&) = delete;
        void lock() { pthread_mutex_lock(&mutex); }
        void unlock() { pthread_mutex_unlock(&mutex); }

    private:
        pthread_mutex_t mutex;
    };
    using Lock = std::unique_lock<AdaptiveMutex>;

    enum class State { Known, Reading, Ready, Taken };
    static constexpr int kClosed = -2; // a handle given up early
    struct Dir {
        int parent = -1;
        std::string name;
        // Its places among its parent's children on the way from the
        // root: comparing them orders directories as the walk meets them.
        std::vector<std::uint32_t> order;
        std::uint64_t device = 0;
        State state = State::Known;
        bool readAhead = false; // by a helper, not yet taken by the walk
        int handle = -1;        // the inner source's; -1 when it could not be opened
        int openError = 0;
        bool listed = false;
        Listing listing;
        std::vector<int> children; // to be entered, in listing order
        std::size_t nextChild = 0; // the first the walk has not asked for
        std::size_t unopened = 0;  // children whose opening needs this handle
        bool closed = false;       // by the walk
    };

    void Help();
    void StartHelpers(int wanted);
    int Add(Dir dir);
    bool ReadNextAhead(Lock& lock);
    void Load(int id, Lock& lock);
    void AddChildren(int id, const Listing& listing);
    int TakeChild(Dir& parent, const char* name, int& error, Lock& lock);
    void Release(int id);

    DirectorySource& inner;
    int threads; // the walk's own and the helpers
    // Counted once: the count is read from a file, and a descriptor taken
    // at every directory fails the walk's own opens when few are left.
    const int processors;
    ThreadStarter start;
    const std::size_t lookahead;
    AdaptiveMutex mutex;
    std::condition_variable_any workToDo; // for the helpers
    std::condition_variable_any loaded;   // for the walk, waiting for a directory
    int awaited = -1;                     // the directory the walk waits for
    std::unordered_map<int, Dir> dirs;    // references stay valid while others come and go
    int nextId = 0;
    struct Waiting {
        std::vector<std::uint32_t> order;
        int id;
        bool operator<(const Waiting& other) const { return order > other.order; } // the first on top
    };
    std::priority_queue<Waiting> toRead;
    std::size_t ahead = 0; // directories helpers read or hold for the walk
    const std::atomic<bool>* stop = nullptr;
    bool ending = false;
    std::vector<std::thread> helpers;
};
