#pragma once

#include "DirTree.h"
#include "ScanProblem.h"

#include <string>
#include <vector>

// Writes tree, as it stands in memory, to file as a saved scan: the same
// format and the same safe output file as kelmo --export (see ReplayTree
// for what the file holds). False, with the reason in problem ("cannot
// write 'scan.json': Permission denied"), when file cannot be written; no
// half-written file is left then.
bool SaveTree(const DirTree& tree, const std::vector<ScanProblem>& problems, const std::string& file,
              std::string& problem);
