#pragma once

#include <string>

// A directory a scan could not read, or not whole: its path, starting with
// the scanned path, and the errno value of the failure.
struct ScanProblem {
    std::string path;
    int error;
};
