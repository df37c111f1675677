#pragma once

#include <cstdint>
#include <memory>
#include <string>

// One directory of a scanned tree. Files are not kept: their sizes are summed
// into bytes. Children stand in the order the directory search delivered them.
struct DirNode {
    DirNode(std::string name, DirNode* parent) : name(std::move(name)), parent(parent) {}
    ~DirNode();
    DirNode(const DirNode&) = delete;
    DirNode& operator=(const DirNode&) = delete;

    std::string name;       // raw file-name bytes; the root holds the drive text
    std::int64_t bytes = 0; // every file in and below this directory
    DirNode* parent;
    std::unique_ptr<DirNode> firstChild;
    std::unique_ptr<DirNode> nextSibling;
};
