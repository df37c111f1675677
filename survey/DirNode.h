#pragma once

#include "DirTree.h"

#include <cstdint>
#include <string>

// One directory of a scanned tree, as a small handle: the tree it belongs
// to and its place there. A default handle stands for no directory. The
// sizes count every file in and below the directory; bytes() gives the one
// the tree's size mode shows.
class DirNode {
public:
    DirNode() = default;
    DirNode(const DirTree* owner, DirTree::Index at) : tree(at == DirTree::kNone ? nullptr : owner), index(at) {}

    explicit operator bool() const { return tree != nullptr; }
    bool operator==(const DirNode& other) const { return tree == other.tree && (!tree || index == other.index); }

    // Raw file-name bytes; the root holds the drive text.
    std::string name() const { return std::string(tree->Name(index)); }
    std::int64_t bytes() const { return tree->Bytes(index); }
    std::int64_t diskBytes() const { return tree->At(index).diskBytes; }
    std::int64_t apparentBytes() const { return tree->At(index).apparentBytes; }
    // The files and directories below it, at every level.
    std::int64_t items() const { return tree->At(index).items; }
    // Not read whole: it holds what could be read. readError() says why (an
    // errno value; 0 when the reason is not known).
    bool unreadable() const { return tree->At(index).Unreadable(); }
    int readError() const { return tree->ReadError(index); }

    // The tree and the place in it, for whoever walks many nodes at once.
    const DirTree* owner() const { return tree; }
    DirTree::Index place() const { return index; }

    // Its place in its parent's listing (see DirTree::PlaceAmongSiblings).
    int listingPlace() const { return static_cast<int>(tree->PlaceAmongSiblings(index)); }

    DirNode parent() const { return {tree, tree->At(index).parent}; }
    DirNode firstChild() const { return {tree, tree->FirstChild(index)}; }
    DirNode nextSibling() const { return {tree, tree->NextSibling(index)}; }

private:
    const DirTree* tree = nullptr;
    DirTree::Index index = DirTree::kNone;
};
