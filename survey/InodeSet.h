#pragma once

#include <cstdint>
#include <unordered_set>

// The files with several names met so far, by device and inode, so that
// each counts once per scan.
class InodeSet {
public:
    // True the first time a file is met.
    bool Insert(std::uint64_t device, std::uint64_t inode) { return seen.insert({device, inode}).second; }

private:
    struct Key {
        std::uint64_t device;
        std::uint64_t inode;
        bool operator==(const Key& other) const { return device == other.device && inode == other.inode; }
    };
    struct Hash {
        std::size_t operator()(const Key& key) const { return key.inode * 0x9E3779B97F4A7C15ull ^ key.device; }
    };

    std::unordered_set<Key, Hash> seen;
};
