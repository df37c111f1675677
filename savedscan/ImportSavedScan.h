#pragma once

#include "ScanControl.h"
#include "ScanEvents.h"
#include "ScanResult.h"
#include "Scanner.h"

#include <string>

// Reads the saved scan file (ncdu's JSON export, also compressed; "-" is
// standard input) through scanner, whose progress and Cancel hold as for a
// walk, counted as a live scan of the same tree would count it; the root is
// named by the saved root's path.
ScanResult ImportSavedScan(Scanner& scanner, const std::string& file);

// Hands events the tree the saved scan file holds, as a Scanner::Reading
// does: false with the reason in error (empty when control was stopped).
bool ReadSavedScan(const std::string& file, ScanEvents& events, ScanControl& control, std::string& rootPath,
                   std::string& error);
