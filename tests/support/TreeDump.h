#pragma once

#include "DirNode.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Every shown directory of a tree with both its sizes and its items,
// depth-first, one a line: what tests compare two trees by.
inline std::string DumpWithSizes(const DirNode& node)
{
    std::string text = node.name() + " " + std::to_string(node.diskBytes()) + " " + std::to_string(node.apparentBytes())
        + " " + std::to_string(node.items()) + "\n";
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        text += DumpWithSizes(child);
    return text;
}

// The same with each directory's children in name order, for trees whose
// listings may come in another order (a directory added after the scan).
inline std::string DumpSortedWithSizes(const DirNode& node)
{
    std::vector<std::pair<std::string, std::string>> children;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        children.emplace_back(child.name(), DumpSortedWithSizes(child));
    std::sort(children.begin(), children.end());
    std::string text = node.name() + " " + std::to_string(node.diskBytes()) + " " + std::to_string(node.apparentBytes())
        + "\n";
    for (const auto& child : children)
        text += child.second;
    return text;
}
