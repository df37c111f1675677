#pragma once

#include "DirTree.h"

#include <cstdint>
#include <vector>

// Files with several names, noted while a parallel walk reads directories in
// no particular order, and credited afterwards where one thread walking
// depth-first in listing order would have met each first.
class HardLinkLedger {
public:
    struct Record {
        std::uint64_t device;
        std::uint64_t inode;
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
        DirTree::Index dir;
        std::uint32_t directoriesBefore; // sub-directories its listing names before it
    };

    // Records of one directory must stand together, in listing order.
    void Add(const std::vector<Record>& records) { all.insert(all.end(), records.begin(), records.end()); }
    // Adds each file's sizes to its first directory's own sizes.
    void Credit(DirTree& tree);

private:
    std::vector<Record> all;
};
