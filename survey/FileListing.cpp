#include "FileListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

FileListing::FileListing(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir) {
        error = "cannot read directory '" + path + "': " + std::strerror(errno);
        return;
    }
    const int fd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name) || entry->d_type == DT_DIR)
            continue;
        struct stat status;
        if (fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(status.st_mode))
            continue;
        entries.push_back({entry->d_name, static_cast<std::int64_t>(status.st_blocks) * 512,
                           static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtime),
                           status.st_nlink > 1});
    }
    closedir(dir);
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
