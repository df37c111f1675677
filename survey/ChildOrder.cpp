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
    else if (order == ChildOrder::ByName)
        std::stable_sort(children.begin(), children.end(), [](const DirNode& a, const DirNode& b) {
            return a.owner()->Name(a.place()) < b.owner()->Name(b.place());
        });
    return children;
}

namespace {

// A directory met and the sub-directories of it still to meet.
struct Visit {
    DirNode node;
    std::vector<DirNode> children;
    std::size_t next = 0;
};

} // namespace

void VisitToDepth(DirNode root, std::size_t maxDepth, ChildOrder order,
                  const std::function<void(DirNode, std::size_t)>& enter,
                  const std::function<void(DirNode, std::size_t)>& leave)
{
    const auto start = [&](DirNode node, std::size_t depth) {
        enter(node, depth);
        return Visit{node, depth < maxDepth ? ChildrenInOrder(node, order) : std::vector<DirNode>()};
    };
    std::vector<Visit> stack;
    stack.push_back(start(root, 0));
    while (!stack.empty()) {
        Visit& top = stack.back();
        if (top.next < top.children.size()) {
            const DirNode child = top.children[top.next++];
            stack.push_back(start(child, stack.size()));
        } else {
            leave(top.node, stack.size() - 1);
            stack.pop_back();
        }
    }
}
