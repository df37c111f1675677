#pragma once

#include "DirectorySource.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

// A directory source that leaves out of every listing the entries that
// match a shell pattern, as du --exclude does: a pattern without '/' is
// matched against the entry's name, one with '/' against the entry's path
// (the root's path as the walk gave it, then the names below it) and against
// each trailing part of that path that starts after a '/'. A walk never
// enters an excluded directory and counts nothing of an excluded entry.
// Only for patterns with '/' is a directory's path kept, one string per open
// directory.
class ExcludingSource : public DirectorySource {
public:
    ExcludingSource(std::unique_ptr<DirectorySource> inner, std::vector<std::string> patterns);

    // Whether du would leave out the root itself: any of the patterns
    // matches its path, or a trailing part of it that starts after a '/'.
    static bool ExcludesRoot(const std::vector<std::string>& patterns, const std::string& path);

    // How many entries were left out so far.
    std::uint64_t Excluded() const { return excluded.load(std::memory_order_relaxed); }

    int OpenRoot(const std::string& path, EntryStat& root, int& error) override;
    int OpenChild(int parent, const char* name, int& error) override;
    void Close(int dir) override;
    void Read(int dir, Listing& listing, const std::atomic<bool>& stop) override;
    std::int64_t FreeBytes(const std::string& path) override { return inner->FreeBytes(path); }

private:
    bool NameExcluded(const char* name) const;
    bool PathExcluded(const std::string& path) const;
    void Remember(int dir, std::string path);
    // The path of an open directory; only kept when a pattern has a '/'.
    const std::string& PathOf(int dir) const;

    std::unique_ptr<DirectorySource> inner;
    std::vector<std::string> namePatterns;
    std::vector<std::string> pathPatterns;
    std::atomic<std::uint64_t> excluded{0};
    mutable std::mutex pathsLock;
    std::unordered_map<int, std::string> paths;
};
