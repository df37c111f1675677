#pragma once

#include "DirNode.h"

#include <string>

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
