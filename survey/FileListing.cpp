#include "FileListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

namespace {

// Below this many names one thread describes them all; above it, one
// thread per processor shares the work (describing is nearly all kernel
// time, which threads on other processors overlap).
constexpr std::size_t kNamesPerThread = 4096;

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Describes entries [first, last) of dir; a name that is gone or turned
// out to be a directory keeps diskBytes -1.
void Describe(int dir, std::vector<FileListing::Entry>& entries, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i) {
        FileListing::Entry& entry = entries[i];
        struct stat status;
        if (fstatat(dir, entry.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(status.st_mode))
            continue;
        entry.diskBytes = static_cast<std::int64_t>(status.st_blocks) * 512;
        entry.apparentBytes = static_cast<std::int64_t>(status.st_size);
        entry.modified = static_cast<std::int64_t>(status.st_mtime);
        entry.linkedElsewhere = status.st_nlink > 1;
    }
}

void DescribeAll(int dir, std::vector<FileListing::Entry>& entries)
{
    const std::size_t threads = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()),
                                                      entries.size() / kNamesPerThread + 1);
    const std::size_t share = (entries.size() + threads - 1) / threads;
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(Describe, dir, std::ref(entries), t * share,
                             std::min(entries.size(), (t + 1) * share));
    Describe(dir, entries, 0, std::min(entries.size(), share));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace

FileListing::FileListing(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir) {
        error = "cannot read directory '" + path + "': " + std::strerror(errno);
        return;
    }
    while (const dirent* entry = readdir(dir))
        if (!IsDotOrDotDot(entry->d_name) && entry->d_type != DT_DIR)
            entries.push_back({entry->d_name, -1, 0, 0, false});
    DescribeAll(dirfd(dir), entries);
    closedir(dir);
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const Entry& entry) { return entry.diskBytes < 0; }),
                  entries.end());
}

void FileListing::Sort(SizeMode mode)
{
    const auto size = [mode](const Entry& entry) {
        return mode == SizeMode::DiskUsage ? entry.diskBytes : entry.apparentBytes;
    };
    std::sort(entries.begin(), entries.end(), [&size](const Entry& left, const Entry& right) {
        if (size(left) != size(right))
            return size(left) > size(right);
        return left.name < right.name;
    });
}
