#include "OutputLocation.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>

namespace {

// As the kernel allows in one lookup.
constexpr int kMaxLinks = 40;

// The names of path, "" and "." left out.
void PushNames(const std::string& path, std::deque<std::string>& names)
{
    std::deque<std::string> added;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string name = path.substr(start, end - start);
        if (!name.empty() && name != ".")
            added.push_back(std::move(name));
        start = end + 1;
    }
    names.insert(names.begin(), added.begin(), added.end());
}

bool SharedDirectory(const struct stat& dir)
{
    return (dir.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
}

bool Planted(const struct stat& dir, const struct stat& entry)
{
    return SharedDirectory(dir) && entry.st_uid != geteuid() && entry.st_uid != dir.st_uid;
}

// The text of the link open as link, read through the descriptor: no later
// lookup of its name is involved.
bool ReadLink(int link, std::string& target)
{
    target.resize(256);
    for (;;) {
        const ssize_t length = readlinkat(link, "", target.data(), target.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return true;
        }
        target.resize(target.size() * 2);
    }
}

bool Failed(std::string& problem, int error)
{
    problem = std::strerror(error);
    return false;
}

} // namespace

bool OutputLocation::InSharedDirectory() const
{
    return SharedDirectory(directoryStat);
}

bool OutputLocation::PlantedByAnotherUser() const
{
    return entry.Valid() && Planted(directoryStat, entryStat);
}

bool OutputLocation::Find(const std::string& path, std::string& problem)
{
    if (path.empty())
        return Failed(problem, ENOENT);
    if (path.back() == '/')
        return Failed(problem, EISDIR);
    std::deque<std::string> names;
    PushNames(path, names);
    UniqueFd dir(open(path.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    int links = 0;
    while (dir.Valid() && fstat(dir.Get(), &directoryStat) == 0 && !names.empty()) {
        const std::string current = std::move(names.front());
        names.pop_front();
        UniqueFd found(openat(dir.Get(), current.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!found.Valid()) {
            if (errno != ENOENT || !names.empty())
                return Failed(problem, errno);
            directory = std::move(dir);
            name = current;
            return true;
        }
        struct stat st {};
        if (fstat(found.Get(), &st) != 0)
            return Failed(problem, errno);
        if (S_ISLNK(st.st_mode)) {
            if (Planted(directoryStat, st)) {
                problem = "not following a symbolic link that another user owns in a shared directory";
                return false;
            }
            std::string target;
            if (++links > kMaxLinks)
                return Failed(problem, ELOOP);
            if (!ReadLink(found.Get(), target))
                return Failed(problem, errno);
            if (target.empty())
                return Failed(problem, ENOENT);
            if (target.front() == '/')
                dir.Reset(open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            PushNames(target, names);
            continue;
        }
        if (names.empty() && !S_ISDIR(st.st_mode)) {
            directory = std::move(dir);
            name = current;
            entry = std::move(found);
            entryStat = st;
            return true;
        }
        if (!S_ISDIR(st.st_mode))
            return Failed(problem, ENOTDIR);
        dir = std::move(found);
    }
    return Failed(problem, dir.Valid() && names.empty() ? EISDIR : errno);
}
