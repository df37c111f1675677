#include "FileListing.h"

#include "ReadDirectory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Names are handed to the describing threads in batches of this many, so
// that they describe while the directory is still being read: reading a
// large directory takes about a fifth of the whole time.
constexpr std::size_t kBatchSize = 1024;

// From this many files on, sorting takes long enough to share.
constexpr std::size_t kHalvedSort = 8192;

using Batch = std::vector<FileListing::Entry>;

// Describes a batch of names in dir; a name that is gone or turned out to
// be a directory keeps diskBytes -1.
void Describe(int dir, Batch& batch)
{
    for (FileListing::Entry& entry : batch) {
        struct stat status;
        if (fstatat(dir, entry.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(status.st_mode))
            continue;
        entry.diskBytes = static_cast<std::int64_t>(status.st_blocks) * 512;
        entry.apparentBytes = static_cast<std::int64_t>(status.st_size);
        entry.modified = static_cast<std::int64_t>(status.st_mtime);
        entry.linkedElsewhere = status.st_nlink > 1;
    }
}

// Batches read but not yet described, and those described; the reading
// thread adds to the first and, once the directory is read, describes too.
// Describing is nearly all kernel time spent waiting on memory, which
// threads on other processors overlap.
class DescribingCrew {
public:
    explicit DescribingCrew(int directory) : dir(directory) {}
    DescribingCrew(const DescribingCrew&) = delete;
    DescribingCrew& operator=(const DescribingCrew&) = delete;
    ~DescribingCrew() { Finish(); }

    void Add(Batch batch)
    {
        if (helpers.empty())
            StartHelpers();
        {
            std::lock_guard<std::mutex> lock(mutex);
            waiting.push_back(std::move(batch));
        }
        changed.notify_one();
    }

    // Describes what is left with the helpers, and gives every batch.
    std::vector<Batch> Finish()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            allAdded = true;
        }
        changed.notify_all();
        Work();
        for (std::thread& helper : helpers)
            helper.join();
        helpers.clear();
        return std::move(described);
    }

private:
    void StartHelpers()
    {
        const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 1; i < processors; ++i) {
            try {
                helpers.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                break; // the reading thread describes what the helpers cannot
            }
        }
    }

    void Work()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return allAdded || !waiting.empty(); });
            if (waiting.empty())
                return;
            Batch batch = std::move(waiting.back());
            waiting.pop_back();
            lock.unlock();
            Describe(dir, batch);
            lock.lock();
            described.push_back(std::move(batch));
        }
    }

    const int dir;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Batch> waiting;
    std::vector<Batch> described;
    bool allAdded = false;
    std::vector<std::thread> helpers;
};

} // namespace

FileListing::FileListing(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir) {
        error = "cannot read directory '" + path + "': " + std::strerror(errno);
        return;
    }
    {
        DescribingCrew crew(dirfd(dir));
        Batch batch;
        batch.reserve(kBatchSize);
        while (const dirent* entry = readdir(dir)) {
            if (IsDotOrDotDot(entry->d_name) || entry->d_type == DT_DIR)
                continue;
            batch.push_back({entry->d_name, -1, 0, 0, false});
            if (batch.size() == kBatchSize) {
                crew.Add(std::move(batch));
                batch = Batch();
                batch.reserve(kBatchSize);
            }
        }
        Describe(dirfd(dir), batch); // a small directory needs no helpers
        entries = std::move(batch);
        for (Batch& described : crew.Finish())
            std::move(described.begin(), described.end(), std::back_inserter(entries));
    }
    closedir(dir);
    entries.erase(
        std::remove_if(entries.begin(), entries.end(), [](const Entry& entry) { return entry.diskBytes < 0; }),
        entries.end());
}

void FileListing::Sort(SizeMode mode)
{
    const auto size = [mode](const Entry& entry) {
        return mode == SizeMode::DiskUsage ? entry.diskBytes : entry.apparentBytes;
    };
    const auto larger = [&size](const Entry& left, const Entry& right) {
        if (size(left) != size(right))
            return size(left) > size(right);
        return left.name < right.name;
    };
    // A large listing is sorted in two halves at once, then merged.
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    std::thread firstHalf;
    if (entries.size() >= kHalvedSort) {
        try {
            firstHalf = std::thread([&] { std::sort(entries.begin(), middle, larger); });
        } catch (const std::system_error&) {
        }
    }
    if (!firstHalf.joinable()) {
        std::sort(entries.begin(), entries.end(), larger);
        return;
    }
    std::sort(middle, entries.end(), larger);
    firstHalf.join();
    std::inplace_merge(entries.begin(), middle, entries.end(), larger);
}
