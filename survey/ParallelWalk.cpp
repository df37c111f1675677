#include "ParallelWalk.h"

#include "HardLinkLedger.h"
#include "Saturating.h"
#include "WalkerCount.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// An open directory whose sub-directories wait to be opened through it; the
// last of them to be opened closes it.
struct OpenDir {
    OpenDir(DirectorySource& owner, int opened) : source(owner), handle(opened) {}
    ~OpenDir() { source.Close(handle); }
    OpenDir(const OpenDir&) = delete;
    OpenDir& operator=(const OpenDir&) = delete;

    DirectorySource& source;
    int handle;
};

struct WorkItem {
    DirTree::Index dir;
    std::shared_ptr<OpenDir> parent;
};

// Directories waiting to be read. Last in, first out, so the walk goes deep
// before it goes wide and few directories wait open at a time.
class WorkStack {
public:
    explicit WorkStack(const ScanControl& scanControl) : control(scanControl) {}

    void Push(std::vector<WorkItem>& items)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            std::move(items.rbegin(), items.rend(), std::back_inserter(waiting));
        }
        items.clear();
        ready.notify_all();
    }

    // False once everything is read or the walk stops.
    bool Pop(WorkItem& item)
    {
        std::unique_lock<std::mutex> lock(mutex);
        ready.wait(lock, [this] { return !waiting.empty() || busy == 0 || control.Stopped(); });
        if (waiting.empty() || control.Stopped())
            return false;
        item = std::move(waiting.back());
        waiting.pop_back();
        ++busy;
        return true;
    }

    void Done()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (--busy == 0 && waiting.empty())
            ready.notify_all();
    }

    void Abandon()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        waiting.clear();
        ready.notify_all();
    }

private:
    const ScanControl& control;
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<WorkItem> waiting;
    std::size_t busy = 1; // the root, read before the threads start
};

// Adds every directory's totals, itself among its parent's items, into its
// parent's. Sub-directories always stand after their parent, so going
// backwards meets each finished.
void SumUpTheTree(DirTree& tree)
{
    for (DirTree::Index i = tree.Size(); i-- > 0;) {
        const DirTree::Node& node = tree.At(i);
        if (node.parent == DirTree::kNone || node.Hidden())
            continue;
        DirTree::Node& parent = tree.At(node.parent);
        parent.diskBytes = AddSaturating(parent.diskBytes, node.diskBytes);
        parent.apparentBytes = AddSaturating(parent.apparentBytes, node.apparentBytes);
        parent.items = AddSaturating(parent.items, AddSaturating(node.items, 1));
    }
}

} // namespace

struct ParallelWalk::Shared {
    Shared(DirectorySource& directories, ScanControl& scanControl, DirTree& into, std::uint64_t device, int threadCount,
           ThreadStarter& starter, LargestFiles& merged, std::size_t keptCount)
        : source(directories),
          control(scanControl),
          tree(into),
          rootDevice(device),
          work(scanControl),
          threads(WalkerCount::Of(threadCount)),
          start(starter),
          largest(merged),
          largestKept(keptCount)
    {
    }

    // Starts the walkers other than the first on threads of their own.
    void StartWalkers();

    DirectorySource& source;
    ScanControl& control;
    DirTree& tree;
    std::uint64_t rootDevice;
    WorkStack work;
    int threads;
    ThreadStarter& start;
    std::vector<std::unique_ptr<Walker>> walkers; // the first walks on the calling thread
    std::vector<std::thread> running;
    std::mutex resultMutex;
    HardLinkLedger ledger;
    std::vector<std::pair<DirTree::Index, int>> failures;
    LargestFiles& largest; // the walkers' largest files, merged
    std::size_t largestKept;
    bool overflowed = false;
};

// One walking thread, with what it keeps to itself.
class ParallelWalk::Walker {
public:
    explicit Walker(Shared& common) : shared(common), names(common.tree), largest(common.largestKept) {}

    void Expand(DirTree::Index dir, int handle, const Listing& entries);
    void Run();
    void Publish();

    Listing listing;

private:
    void Read(const WorkItem& item);
    void Fail(DirTree::Index dir, int error) { failures.emplace_back(dir, error); }
    void OfferLargest(DirTree::Index dir, std::uint32_t directoriesBefore, const Listing& entries,
                      const Listing::Entry& entry);

    Shared& shared;
    DirTree::NameWriter names;
    std::vector<WorkItem> found;
    std::vector<HardLinkLedger::Record> links;
    std::vector<std::pair<DirTree::Index, int>> failures;
    LargestFiles largest;
};

void ParallelWalk::Shared::StartWalkers()
{
    while (static_cast<int>(walkers.size()) < threads && !control.Stopped()) {
        walkers.push_back(std::make_unique<Walker>(*this));
        Walker& walker = *walkers.back();
        try {
            running.push_back(start([&walker] { walker.Run(); }));
        } catch (const std::system_error&) { // the system has no more threads to give
            walkers.pop_back();
            return;
        }
    }
}

void ParallelWalk::Walker::Run()
{
    try {
        WorkItem item;
        while (shared.work.Pop(item)) {
            Read(item);
            item.parent.reset();
            shared.work.Done();
        }
    } catch (const std::exception&) { // out of memory, or more directories than a tree can hold
        const std::lock_guard<std::mutex> lock(shared.resultMutex);
        shared.overflowed = true;
        shared.control.Stop();
        shared.work.Abandon();
    }
}

void ParallelWalk::Walker::Read(const WorkItem& item)
{
    char name[DirTree::kMaxNameLength + 1];
    const std::string_view stored = shared.tree.Name(item.dir);
    std::memcpy(name, stored.data(), stored.size());
    name[stored.size()] = '\0';
    int error = 0;
    const int handle = shared.source.OpenChild(item.parent->handle, name, error);
    if (handle < 0) {
        DirTree::Node& node = shared.tree.At(item.dir);
        if (error == EXDEV) { // mounted since its parent was listed: not ours
            node = DirTree::Node{0, 0, 0, node.parent, DirTree::kNone, DirTree::Node::kHiddenBit, node.name};
            return;
        }
        Fail(item.dir, error);
        return;
    }
    shared.source.Read(handle, listing, shared.control.StopFlag());
    if (listing.error)
        Fail(item.dir, listing.error);
    Expand(item.dir, handle, listing);
}

// Sums a directory's files into it, gives its sub-directories their places
// in listing order and queues them; notes files with several names instead
// of counting their sizes.
void ParallelWalk::Walker::Expand(DirTree::Index dir, int handle, const Listing& entries)
{
    std::int64_t disk = 0, apparent = 0, files = 0;
    std::uint32_t directories = 0;
    for (const Listing::Entry& entry : entries.entries) {
        const EntryStat& stat = entry.stat;
        if (stat.kind != EntryKind::Directory && largest.Wants(stat.diskBytes, stat.apparentBytes)
            && stat.IsOn(shared.rootDevice))
            OfferLargest(dir, directories, entries, entry);
        if (stat.kind == EntryKind::Directory) {
            directories += stat.IsDirectoryOf(shared.rootDevice);
            continue;
        }
        if (!stat.IsOn(shared.rootDevice))
            continue;
        ++files;
        if (stat.IsLinked()) {
            links.push_back({stat.device, stat.inode, stat.diskBytes, stat.apparentBytes, dir, directories});
        } else {
            disk = AddSaturating(disk, stat.diskBytes);
            apparent = AddSaturating(apparent, stat.apparentBytes);
        }
    }
    shared.control.Count(disk, apparent);
    DirTree::Node& node = shared.tree.At(dir);
    node.diskBytes = AddSaturating(node.diskBytes, disk);
    node.apparentBytes = AddSaturating(node.apparentBytes, apparent);
    node.items = files;
    if (directories == 0) {
        shared.source.Close(handle);
        return;
    }
    node.SetChildren(directories);
    node.firstChild = shared.tree.Claim(directories);
    const auto open = std::make_shared<OpenDir>(shared.source, handle);
    DirTree::Index child = node.firstChild;
    for (const Listing::Entry& entry : entries.entries) {
        if (!entry.stat.IsDirectoryOf(shared.rootDevice))
            continue;
        DirTree::Node& placed = shared.tree.At(child);
        placed = DirTree::Node{entry.stat.diskBytes,
                               entry.stat.apparentBytes,
                               0,
                               dir,
                               DirTree::kNone,
                               0,
                               names.Add(entries.NameView(entry))};
        found.push_back({child++, open});
    }
    shared.work.Push(found);
}

void ParallelWalk::Walker::OfferLargest(DirTree::Index dir, std::uint32_t directoriesBefore, const Listing& entries,
                                        const Listing::Entry& entry)
{
    LargestFiles::File file = LargestFiles::File::Of(entry.stat, std::string(entries.NameView(entry)));
    file.dir = dir;
    file.directoriesBefore = directoriesBefore;
    file.position = static_cast<std::uint32_t>(&entry - entries.entries.data());
    largest.Offer(file);
}

void ParallelWalk::Walker::Publish()
{
    const std::lock_guard<std::mutex> lock(shared.resultMutex);
    shared.largest.Merge(largest);
    shared.ledger.Add(links);
    shared.failures.insert(shared.failures.end(), failures.begin(), failures.end());
}

bool ParallelWalk::Run(const std::string& path, DirTree& tree)
{
    EntryStat rootStat;
    int error = 0;
    const int rootHandle = source.OpenRoot(path, rootStat, error);
    if (rootHandle < 0)
        return false;
    largest = LargestFiles(largestKept);
    Shared shared(source, control, tree, rootStat.device, threads, start, largest, largestKept);
    shared.walkers.push_back(std::make_unique<Walker>(shared));
    Walker& first = *shared.walkers.front();

    Listing& rootListing = first.listing;
    source.Read(rootHandle, rootListing, control.StopFlag());
    if (rootListing.Blank()) {
        source.Close(rootHandle);
        return false;
    }
    const DirTree::Index root = tree.Claim(1);
    tree.SetRoot(root);
    tree.At(root).diskBytes = rootStat.diskBytes;
    tree.At(root).apparentBytes = rootStat.apparentBytes;
    if (rootListing.error)
        shared.failures.emplace_back(root, rootListing.error);
    first.Expand(root, rootHandle, rootListing);
    shared.StartWalkers();
    shared.work.Done();
    first.Run();
    Join(shared);
    if (control.Stopped() || shared.overflowed)
        return false;

    for (auto& walker : shared.walkers)
        walker->Publish();
    shared.ledger.Credit(tree);
    largest.Resolve(tree);
    SumUpTheTree(tree);
    std::sort(shared.failures.begin(), shared.failures.end(), [&tree](const auto& a, const auto& b) {
        return tree.WalkOrderKey(a.first) < tree.WalkOrderKey(b.first);
    });
    for (const auto& [dir, failure] : shared.failures) {
        tree.SetUnreadable(dir, failure);
        problems.push_back({tree.PathBelowRoot(dir), failure});
    }
    return true;
}

void ParallelWalk::Join(Shared& shared)
{
    for (std::thread& thread : shared.running)
        thread.join();
}
