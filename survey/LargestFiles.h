#pragma once

#include "DirTree.h"
#include "DirectorySource.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The largest files of a scan in each size mode, kept in two bounded heaps
// as the files go by: memory for a hundred files however large the drive.
// Each walking thread keeps its own and they are merged at the end.
class LargestFiles {
public:
    static constexpr std::size_t kKept = 100;

    struct File {
        std::int64_t diskBytes = 0;
        std::int64_t apparentBytes = 0;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        bool linked = false; // has several names
        // Where a walk found it: its directory and place in the listing,
        // until Resolve gives it its path and walk order.
        DirTree::Index dir = DirTree::kNone;
        std::uint32_t position = 0;
        std::uint32_t directoriesBefore = 0; // sub-directories its listing names before it
        std::string name;                    // the file's name, then its path below the root ("usr/lib/x.so")
        std::vector<std::uint32_t> order;    // compared, orders files as a depth-first walk meets them

        // A file as a listing describes it, named name.
        static File Of(const EntryStat& stat, std::string name);
    };

    explicit LargestFiles(std::size_t count = kKept) : kept(count) {}

    // Whether a file of these sizes would enter either list: cheap, for
    // every file of a walk.
    bool Wants(std::int64_t diskBytes, std::int64_t apparentBytes) const
    {
        return diskBytes > floors[0] || apparentBytes > floors[1];
    }
    // Keeps file in each list it is large enough for; of equal files the
    // one offered first stays (so where more files tie for the last place
    // than fit, which of them a walk on several threads keeps depends on
    // the threads; their order is the walk's all the same).
    void Offer(const File& file);
    void Merge(const LargestFiles& other);
    // Gives the files found by a walk of tree their paths and walk order.
    void Resolve(const DirTree& tree);
    // A file's full path, under the root at rootPath.
    static std::string FullPath(const std::string& rootPath, const File& file);

    // The largest files in mode, largest first, ties in walk order; a file
    // with several names once, under the name a walk meets first.
    std::vector<File> Sorted(SizeMode mode) const;

private:
    void Keep(int list, const File& file);

    std::size_t kept;
    std::array<std::vector<File>, 2> lists; // heaps, the smallest on top
    // Other names of files kept, met after them (by this thread): which name
    // a walk meets first is known only once the walk is done.
    std::array<std::vector<File>, 2> aliases;
    std::array<std::int64_t, 2> floors = {-1, -1}; // the smallest kept once full
};
