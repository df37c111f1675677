#include "NavigationCursor.h"

#include <algorithm>
#include <string_view>

std::unique_ptr<ChildList> NavigationCursor::BuildChildList(ChildOrder order) const
{
    if (!current || !current.firstChild())
        return nullptr;
    std::vector<DirNode> children = ChildrenInOrder(current, order);
    auto list = std::make_unique<ChildList>();
    list->names.reserve(children.size());
    list->sizes.reserve(children.size());
    list->places.reserve(children.size());
    for (const DirNode& child : children) {
        list->names.push_back(child.name());
        list->sizes.push_back(child.bytes());
        list->places.push_back(child.listingPlace());
    }
    list->nodes = std::move(children);
    return list;
}

void NavigationCursor::GoToPath(const std::string& pathBelowRoot)
{
    bool whole = false;
    current = Descend(pathBelowRoot, true, whole);
}

// Goes down from the root by the names of a path below it, as far as the
// tree has them (and, when shownOnly, only into directories that have
// sub-directories of their own); whole tells whether every name was found.
DirNode NavigationCursor::Descend(const std::string& below, bool shownOnly, bool& whole) const
{
    DirNode node = Root();
    whole = true;
    for (std::size_t start = 0; node && start < below.size();) {
        const std::size_t end = std::min(below.find('/', start), below.size());
        const std::string_view name(below.data() + start, end - start);
        start = end + 1;
        if (name.empty())
            continue;
        DirNode child = node.firstChild();
        while (child && child.owner()->Name(child.place()) != name)
            child = child.nextSibling();
        if (!child || (shownOnly && !child.firstChild())) {
            whole = false;
            return node;
        }
        node = child;
    }
    return node;
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
    bool whole = false;
    const DirNode found = Descend(below, false, whole);
    return whole ? found : DirNode();
}
