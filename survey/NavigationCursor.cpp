#include "NavigationCursor.h"

#include <algorithm>
#include <string_view>

std::unique_ptr<ChildList> NavigationCursor::BuildChildList(ChildOrder order) const
{
    if (!current || !current.firstChild())
        return nullptr;
    std::vector<DirNode> children;
    for (DirNode child = current.firstChild(); child; child = child.nextSibling())
        children.push_back(child);
    if (order == ChildOrder::LargestFirst)
        std::stable_sort(children.begin(), children.end(),
                         [](const DirNode& a, const DirNode& b) { return a.bytes() > b.bytes(); });
    auto list = std::make_unique<ChildList>();
    list->names.reserve(children.size());
    list->sizes.reserve(children.size());
    for (const DirNode& child : children) {
        list->names.push_back(child.name());
        list->sizes.push_back(child.bytes());
    }
    list->nodes = std::move(children);
    return list;
}

void NavigationCursor::GoToPath(const std::string& pathBelowRoot)
{
    current = Root();
    std::size_t start = 0;
    while (current && start < pathBelowRoot.size()) {
        const std::size_t end = std::min(pathBelowRoot.find('/', start), pathBelowRoot.size());
        const std::string_view name(pathBelowRoot.data() + start, end - start);
        DirNode child = current.firstChild();
        while (child && child.name() != name)
            child = child.nextSibling();
        if (!child || !child.firstChild()) // only a directory with sub-directories is shown
            return;
        current = child;
        start = end + 1;
    }
}

std::string NavigationCursor::PathText() const
{
    if (!current)
        return {};
    std::string path = PathOf(current);
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string NavigationCursor::PathOf(DirNode node) const
{
    std::string path = Root().name();
    const std::string below = tree->PathBelowRoot(node.place());
    if (below.empty())
        return path;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + below;
}

DirNode NavigationCursor::Find(const std::string& below) const
{
    DirNode node = Root();
    std::size_t start = 0;
    while (node && start < below.size()) {
        std::size_t end = below.find('/', start);
        if (end == std::string::npos)
            end = below.size();
        const std::string_view name(below.data() + start, end - start);
        if (!name.empty()) {
            DirNode child = node.firstChild();
            while (child && child.owner()->Name(child.place()) != name)
                child = child.nextSibling();
            node = child;
        }
        start = end + 1;
    }
    return node;
}
