#pragma once

#include "DirTree.h"

#include <ostream>
#include <string>

struct ReportOptions {
    std::string path;
    int threads = 0; // 0: one per processor
    SizeMode mode = SizeMode::DiskUsage;
};

// kelmo --report PATH: scans the directory PATH without a window and prints
// its information text, then one line per sub-directory: name, tab, size.
// Directories that could not be read are named on err. Returns the exit
// status: 0; 1 when PATH cannot be read or is empty, or when some directory
// below it could not be read.
int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err);
