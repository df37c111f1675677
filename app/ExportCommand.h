#pragma once

#include "Options.h"

#include <ostream>

// kelmo --export FILE [PATH]: walks the directory PATH (default: the current
// one) on its own file system and writes it to FILE as a saved scan while it
// walks (see SavedScanWriter); the root is named by PATH made absolute and
// canonical; what options.excludes match is left out. The walk keeps to one
// thread, in the order the file is written; the other threads read ahead the
// directories it is about to enter. Directories that could not be read are
// marked in the file and named on err. Returns the exit status: 0; 1 when
// PATH cannot be read (said as du says it) or is empty, when a write fails
// ("kelmo: write error: ..." on err, and no FILE is left half-written), or
// when some directory could not be read.
int RunExport(const Options& options, std::ostream& err);
