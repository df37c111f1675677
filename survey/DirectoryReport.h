#pragma once

#include "DirNode.h"
#include "FormatBytes.h"

#include <string>

// The "Sub-Directory Information" text of a directory: its size, its share
// of its parent and of the whole tree, how its bytes divide between its
// sub-directories and its own files, sizes in the given units, and how many
// items it holds; then, for a directory that could not be read whole, why.
std::string BuildDirReport(const DirNode& node, SizeUnits units = SizeUnits::Bytes, const NumberMarks& marks = {});

// "1 item", "1,234 items".
std::string ItemsText(std::int64_t items, const NumberMarks& marks = {});

// What a directory that could not be read whole holds, with the reason when
// it is known: "could not be read: Permission denied; counts what could be
// read". Empty for a directory read whole.
std::string UnreadableText(const DirNode& node);
