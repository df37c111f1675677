#pragma once

#include "ScanResult.h"
#include "Scanner.h"

#include <string>
#include <vector>

// Several saved scans as one tree, a fleet (the recordings of several
// machines, say). Its root, named "3 saved scans", holds one directory per
// scan in the order given, named "HOST:ROOT" ("web1:/var") after the
// machine the scan's metadata names (else the file's name) and the path of
// its root; a name met again gets " (2)", " (3)", ... Below, each scan is
// what ImportSavedScan makes of it, a file with several names counted once
// per scan, so the root's sizes are the sum of the scans'. The tree's scan
// time is the oldest scan's. Each file is read once, through scanner, whose
// progress and Cancel hold as for one saved scan; a file that cannot be
// read leaves no tree, with the reason naming the file.
ScanResult ImportFleet(Scanner& scanner, const std::vector<std::string>& files);

// The name of a fleet's scan: "web1:/var".
std::string FleetScanName(const std::string& host, const std::string& rootPath);
// The name of the root of a fleet of count scans: "3 saved scans", "1 saved scan".
std::string FleetRootName(std::size_t count);
