#pragma once

#include "DirectorySource.h"

#include <atomic>

// Lists the open directory dir with getdents64 into listing, describing each
// entry relative to dir, and sets listing.error when it could not be read
// whole; gives up early once stop is set.
void ReadDirectory(int dir, Listing& listing, const std::atomic<bool>& stop);

// The entries every listing names and no walk counts.
inline bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}
