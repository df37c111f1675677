#include "ExcludingSource.h"

#include <fnmatch.h>

#include <algorithm>

namespace {

bool AnyMatches(const std::vector<std::string>& patterns, const char* text)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [text](const std::string& pattern) { return fnmatch(pattern.c_str(), text, 0) == 0; });
}

// du tries the whole path, then what follows each '/' that no other '/' follows.
bool MatchesPathOrTail(const std::vector<std::string>& patterns, const std::string& path)
{
    if (AnyMatches(patterns, path.c_str()))
        return true;
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1))
        if (path[slash + 1] != '/' && AnyMatches(patterns, path.c_str() + slash + 1))
            return true;
    return false;
}

// parent + "/" + name into path (whose buffer is reused), without doubling
// a '/' that ends parent ("/" or "dir/").
void Join(std::string& path, const std::string& parent, const char* name)
{
    path.assign(parent);
    if (path.empty() || path.back() != '/')
        path += '/';
    path.append(name);
}

} // namespace

ExcludingSource::ExcludingSource(std::unique_ptr<DirectorySource> source, std::vector<std::string> patterns)
    : inner(std::move(source))
{
    for (std::string& pattern : patterns)
        (pattern.find('/') == std::string::npos ? namePatterns : pathPatterns).push_back(std::move(pattern));
}

int ExcludingSource::OpenRoot(const std::string& path, EntryStat& root, int& error)
{
    const int dir = inner->OpenRoot(path, root, error);
    Remember(dir, path);
    return dir;
}

int ExcludingSource::OpenChild(int parent, const char* name, int& error)
{
    const int dir = inner->OpenChild(parent, name, error);
    if (dir >= 0 && !pathPatterns.empty()) {
        std::string path;
        Join(path, PathOf(parent), name);
        Remember(dir, std::move(path));
    }
    return dir;
}

void ExcludingSource::Close(int dir)
{
    // Forgotten first: once closed, the handle may come back for another directory.
    if (!pathPatterns.empty()) {
        const std::lock_guard<std::mutex> hold(pathsLock);
        paths.erase(dir);
    }
    inner->Close(dir);
}

void ExcludingSource::Read(int dir, Listing& listing, const std::atomic<bool>& stop)
{
    inner->Read(dir, listing, stop);
    const std::string* parent = pathPatterns.empty() ? nullptr : &PathOf(dir);
    std::string path;
    const auto first = std::remove_if(listing.entries.begin(), listing.entries.end(), [&](const Listing::Entry& entry) {
        const char* name = listing.Name(entry);
        if (NameExcluded(name))
            return true;
        if (!parent)
            return false;
        Join(path, *parent, name);
        return PathExcluded(path);
    });
    listing.leftOut = static_cast<std::size_t>(listing.entries.end() - first);
    excluded.fetch_add(listing.leftOut, std::memory_order_relaxed);
    listing.entries.erase(first, listing.entries.end());
}

bool ExcludingSource::NameExcluded(const char* name) const
{
    return AnyMatches(namePatterns, name);
}

bool ExcludingSource::PathExcluded(const std::string& path) const
{
    return MatchesPathOrTail(pathPatterns, path);
}

bool ExcludingSource::ExcludesRoot(const std::vector<std::string>& patterns, const std::string& path)
{
    return MatchesPathOrTail(patterns, path);
}

void ExcludingSource::Remember(int dir, std::string path)
{
    if (dir < 0 || pathPatterns.empty())
        return;
    const std::lock_guard<std::mutex> hold(pathsLock);
    paths[dir] = std::move(path);
}

// The entry stays valid while dir is open: other directories come and go,
// which leaves an unordered_map's elements where they are.
const std::string& ExcludingSource::PathOf(int dir) const
{
    const std::lock_guard<std::mutex> hold(pathsLock);
    return paths.at(dir);
}
