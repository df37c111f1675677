#pragma once

#include <cstddef>

// The calls PosixDirectorySource makes to open and close directories, and
// how many descriptors it may hold: the system's here. A test overrides
// them to run out of descriptors, or to hold a call back, exactly where it
// chooses, which no real descriptor limit does reliably.
class DescriptorCalls {
public:
    virtual ~DescriptorCalls() = default;

    // How many descriptors the walk may hold before it gives one back.
    virtual std::size_t Budget();
    // Opens the directory at path; -1 with the errno value in error.
    virtual int OpenPath(const char* path, int& error);
    // Opens a sub-directory by name within its mount; -1 with error.
    virtual int OpenChild(int parent, const char* name, int& error);
    virtual void Close(int fd);
};
