#pragma once

#include "DirNode.h"

#include <string>

// The "Sub-Directory Information" text of a directory: its size, its share
// of its parent and of the whole tree, and how its bytes divide between its
// sub-directories and its own files. Lines end in "\r\n".
std::string BuildDirReport(const DirNode& node);
