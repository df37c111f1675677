#pragma once

#include <atomic>
#include <cstdint>

// How many threads walk a file system. A walker that waits on the disk uses
// no processor, so the right number is set by the disk, not the processors:
// a walk starts with one walker per processor and, while the disk is being
// read, doubles them up to kMost. A walk the cache serves never grows, so
// its walkers do not fight over the processors.
class WalkerCount {
public:
    // Cold walks measured fastest with about 16: past that the kernel's own
    // work per entry, not the disk, holds them back, and more walkers only
    // cost memory and contention.
    static constexpr int kMost = 16;

    // One per processor, at least 2 and at most 16.
    static int Processors();

    // threads 0 chooses as the walk goes; any other number is kept.
    explicit WalkerCount(int threads);

    int Start() const { return start; }
    // The walkers wanted now, when there are `walkers`; safe from any thread
    // and cheap enough to ask after every directory (it looks at the disk
    // at most every 10 milliseconds).
    int Wanted(int walkers);
    // No more than `walkers` can be had.
    void Settle(int walkers) { most = walkers; }

private:
    static std::int64_t Now();
    static std::int64_t BlocksRead();

    int start;
    std::atomic<int> most;
    std::atomic<std::int64_t> lastLook;
    std::atomic<std::int64_t> blocksSeen;
};
