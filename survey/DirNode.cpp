#include "DirNode.h"

#include <vector>

// Trees can be deep and sibling chains long; releasing them through nested
// unique_ptr destructors would recurse once per node and could overflow the
// stack, so the links are cut and released from an explicit list instead.
DirNode::~DirNode()
{
    if (!firstChild && !nextSibling)
        return;
    std::vector<std::unique_ptr<DirNode>> pending;
    if (firstChild)
        pending.push_back(std::move(firstChild));
    if (nextSibling)
        pending.push_back(std::move(nextSibling));
    while (!pending.empty()) {
        std::unique_ptr<DirNode> node = std::move(pending.back());
        pending.pop_back();
        if (node->firstChild)
            pending.push_back(std::move(node->firstChild));
        if (node->nextSibling)
            pending.push_back(std::move(node->nextSibling));
    }
}
