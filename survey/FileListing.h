#pragma once

#include "DirTree.h"

#include <cstdint>
#include <string>
#include <vector>

// The files that lie directly in one directory (not its sub-directories),
// read from the disk when asked: what makes up the directory's own share of
// its size.
class FileListing {
public:
    struct Entry {
        std::string name; // raw file-name bytes
        std::int64_t diskBytes;
        std::int64_t apparentBytes;
        std::int64_t modified; // seconds since the epoch
        bool linkedElsewhere;  // the file has other names too
    };

    // Reads the directory at path; on failure the list is empty and Error()
    // says why.
    explicit FileListing(const std::string& path);

    // Largest first in mode; names break ties.
    void Sort(SizeMode mode);
    const std::vector<Entry>& Entries() const { return entries; }
    const std::string& Error() const { return error; }

private:
    std::vector<Entry> entries;
    std::string error;
};
