#include "WalkerCount.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr std::int64_t kLookInterval = std::chrono::nanoseconds(std::chrono::milliseconds(10)).count();
// Blocks of 512 bytes read from a disk between two looks that mean the walk
// waits on it; a warm walk reads none, or a stray few.
constexpr std::int64_t kBusyBlocks = 64;

} // namespace

int WalkerCount::Processors()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 16);
}

WalkerCount::WalkerCount(int threads)
    : start(threads > 0 ? threads : Processors()), most(threads > 0 ? threads : std::max(kMost, start)),
      lastLook(Now()), blocksSeen(BlocksRead())
{
}

std::int64_t WalkerCount::Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// What the process's threads have read from block devices so far, the page
// cache's hits not counted.
std::int64_t WalkerCount::BlocksRead()
{
    struct rusage usage {};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_inblock : 0;
}

int WalkerCount::Wanted(int walkers)
{
    const int limit = most.load(std::memory_order_relaxed);
    if (walkers >= limit)
        return walkers;
    const std::int64_t now = Now();
    std::int64_t last = lastLook.load(std::memory_order_relaxed);
    // One thread wins each look.
    if (now - last < kLookInterval || !lastLook.compare_exchange_strong(last, now, std::memory_order_relaxed))
        return walkers;
    const std::int64_t blocks = BlocksRead();
    const bool waitingOnDisk = blocks - blocksSeen.exchange(blocks, std::memory_order_relaxed) >= kBusyBlocks;
    return waitingOnDisk ? std::min(walkers * 2, limit) : walkers;
}
