#pragma once

#include "DirNode.h"

#include <cstdint>
#include <string>
#include <vector>

// The sub-directories of the directory on display, in the order the legend
// and the pie show them (child order, or largest first). Names are raw
// file-name bytes, kept whole (a name may contain ","), one size and one
// node per name.
struct ChildList {
    std::vector<std::string> names;
    std::vector<std::int64_t> sizes;
    std::vector<DirNode> nodes{};
    // In a comparison, what each entry shows in its size's place ("+1,234",
    // "gone"); empty otherwise.
    std::vector<std::string> sizeTexts{};
    // Each entry's place in its directory's listing, which its colour
    // follows whatever the order shown; a comparison's gone directories
    // come after the listing.
    std::vector<int> places{};

    int Count() const { return static_cast<int>(names.size()); }
};
