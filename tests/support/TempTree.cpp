#include "TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

void Check(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error("TempTree: " + what);
}

std::vector<std::string> Components(const std::string& relative)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : relative) {
        if (c == '/') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// Removes everything inside the directory dirFd, which it closes.
void RemoveContents(int dirFd)
{
    DIR* dir = fdopendir(dirFd);
    if (!dir) {
        close(dirFd);
        return;
    }
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const std::string& name : names) {
        struct stat st {};
        if (fstatat(dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
            fchmodat(dirfd(dir), name.c_str(), 0700, 0);
            int child = openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (child >= 0)
                RemoveContents(child);
            unlinkat(dirfd(dir), name.c_str(), AT_REMOVEDIR);
        } else {
            unlinkat(dirfd(dir), name.c_str(), 0);
        }
    }
    closedir(dir);
}

} // namespace

TempTree::TempTree()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kelmo-test-XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    root = pattern;
}

TempTree::~TempTree()
{
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0)
        RemoveContents(fd);
    rmdir(root.c_str());
}

int TempTree::OpenParent(const std::string& relative, std::string& name) const
{
    std::vector<std::string> parts = Components(relative);
    Check(!parts.empty(), "empty path");
    name = parts.back();
    parts.pop_back();
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    Check(fd >= 0, "open root");
    for (const std::string& part : parts) {
        mkdirat(fd, part.c_str(), 0755);
        int next = openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        close(fd);
        Check(next >= 0, "open " + part);
        fd = next;
    }
    return fd;
}

void TempTree::Dir(const std::string& relative)
{
    std::string name;
    int fd = OpenParent(relative, name);
    int rc = mkdirat(fd, name.c_str(), 0755);
    close(fd);
    Check(rc == 0 || errno == EEXIST, "mkdir " + relative);
}

void TempTree::File(const std::string& relative, std::int64_t size)
{
    std::string name;
    int dir = OpenParent(relative, name);
    int fd = openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    close(dir);
    Check(fd >= 0, "create " + relative);
    std::vector<char> block(65536, 'k');
    std::int64_t left = size;
    while (left > 0) {
        ssize_t chunk = static_cast<ssize_t>(std::min<std::int64_t>(left, block.size()));
        ssize_t written = write(fd, block.data(), chunk);
        if (written <= 0)
            break;
        left -= written;
    }
    close(fd);
    Check(left == 0, "write " + relative);
}

void TempTree::Sparse(const std::string& relative, std::int64_t size)
{
    std::string name;
    int dir = OpenParent(relative, name);
    int fd = openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    close(dir);
    Check(fd >= 0 && ftruncate(fd, size) == 0, "sparse " + relative);
    close(fd);
}

void TempTree::Symlink(const std::string& relative, const std::string& target)
{
    std::string name;
    int dir = OpenParent(relative, name);
    int rc = symlinkat(target.c_str(), dir, name.c_str());
    close(dir);
    Check(rc == 0, "symlink " + relative);
}

void TempTree::HardLink(const std::string& existing, const std::string& relative)
{
    Check(link(Path(existing).c_str(), Path(relative).c_str()) == 0, "link " + relative);
}

std::int64_t TempTree::Size(const std::string& relative) const
{
    struct stat st {};
    if (relative.empty()) {
        Check(stat(root.c_str(), &st) == 0, "stat root");
        return st.st_size;
    }
    std::string name;
    int dir = OpenParent(relative, name);
    int rc = fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW);
    close(dir);
    Check(rc == 0, "stat " + relative);
    return st.st_size;
}
