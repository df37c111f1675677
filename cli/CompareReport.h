#pragma once

#include "Options.h"

#include <ostream>

// kelmo --report --compare OLD NEW: what grew between two scans of a tree.
// OLD is options.compareFiles, NEW options.importFiles or else options.path
// (the current directory when empty); each is a saved scan or a directory to
// scan. Where either side is a fleet of saved scans (options.fleet), both are
// read as fleets, and each scan is matched with the one of the other side
// named alike (the same host and root): the lines are one per scan, and a
// scan without a partner is new, or gone.
// Prints the root's old and new totals and its change, how much of the old
// tree matched, then one line per sub-directory, largest growth first:
// name, tab, change ("+1,234", "-20,480", "0", "new" or "gone"), tab, new
// size (the old size for one that is gone). With a depth, one line per
// directory down to that depth instead, each after its parent and siblings
// largest growth first: path below the root, tab, change.
//
// A side that cannot be read, or is damaged, gives one line on err and 1;
// directories that could not be read are named on err, and make the status
// 1 in a live scan, as the report does.
int RunCompareReport(const Options& options, std::ostream& out, std::ostream& err);
