#pragma once

#include <ostream>
#include <string>

struct ExportOptions {
    std::string file; // "-": standard output
    std::string path = ".";
    int threads = 0; // 0: chosen for the disk
};

// kelmo --export FILE [PATH]: walks the directory PATH on its own file
// system and writes it to FILE as a saved scan while it walks (see
// SavedScanWriter); the root is named by PATH made absolute and canonical.
// The walk keeps to one thread, in the order the file is written; the other
// threads read ahead the directories it is about to enter. Directories that could not be read are marked in the file and
// named on err. Returns the exit status: 0; 1 when PATH cannot be read or is
// empty, when a write fails ("kelmo: write error: ..." on err, and no FILE
// is left half-written), or when some directory could not be read.
int RunExport(const ExportOptions& options, std::ostream& err);
