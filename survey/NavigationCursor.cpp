#include "NavigationCursor.h"

std::unique_ptr<ChildList> NavigationCursor::BuildChildList() const
{
    if (!current || !current.firstChild())
        return nullptr;
    auto list = std::make_unique<ChildList>();
    for (DirNode child = current.firstChild(); child; child = child.nextSibling()) {
        list->names.push_back(child.name());
        list->sizes.push_back(child.bytes());
    }
    return list;
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
