#pragma once

#include "Options.h"

#include <ostream>

// kelmo --export FILE [PATH]: walks the directory PATH (default: the current
// one) on its own file system and writes it to FILE as a saved scan while it
// walks (see SavedScanWriter); the root is named by PATH made absolute and
// canonical (a symbolic link given as PATH counts as the link, as du counts
// it: a root named by the link, with its sizes, that holds nothing); what
// options.excludes match is left out. The walk keeps to one
// thread, in the order the file is written; the other threads read ahead the
// directories it is about to enter. Directories that could not be read are
// marked in the file and named on err. Returns the exit status: 0; 1 when
// PATH cannot be read (said as du says it) or is empty, when FILE cannot be
// written ("kelmo: cannot write 'FILE': ..." on err; see OutputFile for how it
// is written, and why no half-written FILE is left), or when some directory
// could not be read. FILE itself, when it lies below PATH, is left out of the
// scan. A FILE whose name ends in .zst is compressed with zstd.
int RunExport(const Options& options, std::ostream& err);
