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
    std::string path = Root().name();
    if (path.empty() || path.back() != '/')
        path += '/';
    const std::string below = tree->PathBelowRoot(current.place());
    if (!below.empty())
        path += below + '/';
    return path;
}
