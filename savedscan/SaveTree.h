#pragma once

#include "DirTree.h"

#include <string>

// Writes tree, as it stands in memory, to file as a saved scan: the same
// format and the same safe output file as kelmo --export (see ReplayTree
// for what the file holds). False, with the reason in problem ("cannot
// write 'scan.json': Permission denied"), when file cannot be written; no
// half-written file is left then.
bool SaveTree(const DirTree& tree, const std::string& file, std::string& problem);
