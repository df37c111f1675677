#pragma once

#include <ostream>
#include <string>

// kelmo --report PATH: scans the directory PATH without a window and prints
// its information text, then one line per sub-directory: name, tab, size.
// Returns the exit status: 0, or 1 when PATH cannot be read or is empty.
int RunReport(const std::string& path, std::ostream& out, std::ostream& err);
