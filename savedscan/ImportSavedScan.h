#pragma once

#include "ScanResult.h"
#include "Scanner.h"

#include <string>

// Reads the saved scan file (ncdu's JSON export, also compressed; "-" is
// standard input) through scanner, whose progress and Cancel hold as for a
// walk, counted as a live scan of the same tree would count it; the root is
// named by the saved root's path.
ScanResult ImportSavedScan(Scanner& scanner, const std::string& file);
