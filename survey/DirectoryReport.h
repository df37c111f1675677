#pragma once

#include "DirNode.h"
#include "FormatBytes.h"

#include <string>

// The "Sub-Directory Information" text of a directory: its size, its share
// of its parent and of the whole tree, and how its bytes divide between its
// sub-directories and its own files, sizes in the given units.
std::string BuildDirReport(const DirNode& node, SizeUnits units = SizeUnits::Bytes);
