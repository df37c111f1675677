#include "OutsideLinks.h"

#include <ftw.h>
#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <utility>

namespace {

using FileId = std::pair<std::uint64_t, std::uint64_t>;

struct LinkCount {
    nlink_t names;
    nlink_t seen;
};

// nftw takes no context: the walk on this thread keeps its counts here.
thread_local std::map<FileId, LinkCount>* counts = nullptr;

int CountLinks(const char*, const struct stat* status, int type, struct FTW*)
{
    if (type == FTW_F && status->st_nlink > 1) {
        LinkCount& count = (*counts)[{status->st_dev, status->st_ino}];
        count.names = status->st_nlink;
        ++count.seen;
    }
    return 0;
}

} // namespace

bool HasFilesLinkedOutside(const std::string& path)
{
    std::map<FileId, LinkCount> found;
    counts = &found;
    nftw(path.c_str(), CountLinks, 32, FTW_PHYS | FTW_MOUNT);
    counts = nullptr;
    for (const auto& [file, count] : found)
        if (count.seen < count.names)
            return true;
    return false;
}
