#pragma once

#include <string>

// A directory a scan could not read, or not whole: its path below the
// scanned directory (empty for that directory itself), and the errno value
// of the failure.
struct ScanProblem {
    std::string path;
    int error;
};
