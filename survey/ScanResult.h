#pragma once

#include "DirTree.h"
#include "LargestFiles.h"
#include "ScanProblem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What one scan (a walk of a directory, or the reading of a saved scan)
// ends with.
struct ScanResult {
    std::unique_ptr<DirTree> tree;     // null when the scan failed or was cancelled
    std::vector<ScanProblem> problems; // directories that could not be read, or not whole
    std::int64_t freeBytes = -1;       // space left on the scanned file system; -1 when unknown
    std::string savedRoot;             // the root's path in a saved scan; empty after a walk
    LargestFiles largest;              // the largest files, with their paths
    // Why there is no tree, in one line ("cannot read directory '/srv': Permission
    // denied", or the saved-scan reader's message); empty when the directory
    // simply holds nothing, and when the scan was cancelled.
    std::string error;
    bool cancelled = false;

    bool Scanned() const { return tree != nullptr; }
};
