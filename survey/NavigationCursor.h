#pragma once

#include "ChildList.h"
#include "ChildOrder.h"
#include "DirNode.h"

#include <memory>
#include <string>

// The directory on display in one tree, and the moves between its
// directories. A cursor without a tree stands nowhere.
class NavigationCursor {
public:
    NavigationCursor() = default;
    // Starts at the root of the scanned tree, which must outlive the cursor's use.
    explicit NavigationCursor(const DirTree* scanned) : tree(scanned), current(Root()) {}

    DirNode Root() const { return tree ? DirNode(tree, tree->Root()) : DirNode(); }
    DirNode GetCurrentDir() const { return current; }
    bool HasParentDir() const { return current && current.parent(); }
    // A null node makes the root current.
    void SetCurrentDir(DirNode node) { current = node ? node : Root(); }
    void GoToParentDir() { SetCurrentDir(current ? current.parent() : DirNode()); }
    // The sub-directories of the current directory; null when it has none.
    // Largest first keeps the listing order among equal sizes.
    std::unique_ptr<ChildList> BuildChildList(ChildOrder order = ChildOrder::Listing) const;
    // Goes down from the root by the names of a path below it ("usr/share"),
    // as far as the tree has them: to the nearest directory of the path that
    // still exists and has sub-directories.
    void GoToPath(const std::string& pathBelowRoot);
    // The full path of the current directory as the file system spells it,
    // ending in "/": the root's name and "/", then each name on the way down
    // and "/" ("/home/ann/Videos/").
    std::string PathText() const;
    // The full path of node, a directory of the cursor's tree, without a
    // closing "/" below the root ("/home/ann").
    std::string PathOf(DirNode node) const;
    // The directory at below, a path under the root ("usr/share"; "" is the
    // root itself); null when the tree holds none there.
    DirNode Find(const std::string& below) const;

private:
    DirNode Descend(const std::string& below, bool shownOnly, bool& whole) const;

    const DirTree* tree = nullptr;
    DirNode current;
};
