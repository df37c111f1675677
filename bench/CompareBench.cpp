// What comparing two scans of a large tree costs: two trees of 1,111,111
// directories each (ten sub-directories a level, six levels) built in memory,
// the new one with a tenth of the deepest directories renamed and a third of
// all directories grown. Times the comparison (median and worst of the
// rounds; also the processor time of the comparing thread, which a busy
// machine changes less) and counts the heap it takes, at its peak while matching and kept
// afterwards, against the heap the new tree takes. Once with both trees
// listing each directory in the same order (two scans of one file system),
// once with the new tree listing each in reverse (every level sorted), and
// once for a single directory of 1,000,000 sub-directories, listed in
// reverse.
#include "TreeBuilder.h"
#include "TreeComparison.h"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

void Allocated(void* block)
{
    const std::size_t now = heapInUse += malloc_usable_size(block);
    std::size_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    Allocated(block);
    return block;
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    heapInUse -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

constexpr int kRounds = 5;

struct Shape {
    int fanOut = 10;
    int levels = 6;
    bool reversed = false; // each directory listed in reverse
    bool changed = false;  // renamed and grown directories
};

// Directory number `serial` at `level`: renamed when it is one of the
// deepest and its serial ends in 0, grown when its serial is a multiple of 3.
void Build(TreeBuilder& builder, const Shape& shape, int level, long& serial, char* name)
{
    for (int i = 0; i < shape.fanOut; ++i) {
        const int child = shape.reversed ? shape.fanOut - 1 - i : i;
        const long number = serial++;
        const bool renamed = shape.changed && level == shape.levels && number % 10 == 0;
        std::snprintf(name, 32, renamed ? "moved%07d" : "dir%07d", child);
        EntryStat stat;
        stat.kind = EntryKind::Directory;
        stat.diskBytes = 4096;
        stat.apparentBytes = 4096;
        builder.EnterDirectory(name, stat);
        EntryStat file;
        file.diskBytes = shape.changed && number % 3 == 0 ? 16384 : 8192;
        file.apparentBytes = file.diskBytes - 100;
        builder.File("f", file);
        if (level < shape.levels)
            Build(builder, shape, level + 1, serial, name);
        builder.LeaveDirectory();
    }
}

// A tree and the heap it takes.
struct Built {
    std::unique_ptr<DirTree> tree;
    double megabytes = 0;
};

Built MakeTree(const Shape& shape)
{
    const std::size_t before = heapInUse.load();
    Built built{std::make_unique<DirTree>("/bench")};
    {
        TreeBuilder builder(*built.tree);
        EntryStat root;
        root.kind = EntryKind::Directory;
        builder.EnterDirectory("/bench", root);
        long serial = 0;
        char name[32];
        Build(builder, shape, 1, serial, name);
        builder.LeaveDirectory();
    }
    built.megabytes = (heapInUse.load() - before) / 1e6;
    return built;
}

double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Row(const std::string& label, const Built& oldSide, const Built& newSide)
{
    const DirTree& old = *oldSide.tree;
    const DirTree& fresh = *newSide.tree;
    std::vector<double> times, processor;
    double peakMegabytes = 0;
    double keptMegabytes = 0;
    int percent = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::size_t before = heapInUse.load();
        heapPeak = before;
        const auto start = std::chrono::steady_clock::now();
        const double startProcessor = ThreadMilliseconds();
        const TreeComparison comparison({&old, old.Root()}, {&fresh, fresh.Root()});
        processor.push_back(ThreadMilliseconds() - startProcessor);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        peakMegabytes = (heapPeak.load() - before) / 1e6;
        keptMegabytes = (heapInUse.load() - before) / 1e6;
        percent = comparison.MatchedPercent(SizeMode::DiskUsage);
    }

    std::printf("%-34s %10.0f %9.0f %7.0f %8.1f %8.1f %8.1f %8d\n", label.c_str(), Median(times),
                *std::max_element(times.begin(), times.end()), Median(processor), peakMegabytes, keptMegabytes,
                newSide.megabytes, percent);
}

} // namespace

int main()
{
    std::printf("%-34s %10s %9s %7s %8s %8s %8s %8s\n", "compare two scans", "median ms", "worst ms", "cpu ms",
                "peak MB", "kept MB", "tree MB", "match %");
    {
        const Built old = MakeTree({});
        const std::string size = std::to_string(old.tree->Size()) + " dirs, ";
        Row(size + "same order", old, MakeTree({10, 6, false, true}));
        Row(size + "orders differ", old, MakeTree({10, 6, true, true}));
    }
    const Built old = MakeTree({1000000, 1, false, false});
    Row(std::to_string(old.tree->Size()) + " dirs in one, reversed", old, MakeTree({1000000, 1, true, true}));
    return 0;
}
