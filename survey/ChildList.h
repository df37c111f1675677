#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The sub-directories of the directory on display, in child order, as the
// legend and the pie take them. Names are raw file-name bytes, kept whole
// (a name may contain ","), one size per name.
struct ChildList {
    std::vector<std::string> names;
    std::vector<std::int64_t> sizes;

    int Count() const { return static_cast<int>(names.size()); }
};
