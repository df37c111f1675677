#include "ChildOrder.h"

#include <algorithm>

std::vector<DirNode> ChildrenInOrder(DirNode directory, ChildOrder order)
{
    std::vector<DirNode> children;
    for (DirNode child = directory.firstChild(); child; child = child.nextSibling())
        children.push_back(child);
    if (order == ChildOrder::LargestFirst)
        std::stable_sort(children.begin(), children.end(),
                         [](const DirNode& a, const DirNode& b) { return a.bytes() > b.bytes(); });
    return children;
}
