#pragma once

#include "Options.h"
#include "ScanProblem.h"
#include "ScanResult.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// What the report says when the directory to scan holds nothing.
extern const char* const kNotAvailableMessage;

// kelmo --report [PATH]: scans the directory PATH (default: the current one)
// without a window and prints its information text, with --exclude how many
// entries were left out, then one line per sub-directory: name, tab, size
// (with -h or --si as du writes sizes). Directories that could not be read
// are named on err. Returns the exit status: 0; 1 when PATH cannot be read
// (said as du says it) or is empty, or when some directory below it could
// not be read.
//
// With --depth N it prints du's lines instead, those of du -x --block-size=1
// --max-depth=N (du -h or --si with -h or --si; ended by NUL with -0); a
// symbolic link given as PATH is one line, the link's, as du counts it. The
// plain report and --largest show the directory such a link names, and say
// so on err. Lines and messages name what lies below PATH as typed.
//
// --sort orders the sub-directory lines, and on du's lines the directories
// of each level, largest first or by name; --json writes the report as
// PrintJsonReport does, with --depth the tree down to that depth.
//
// kelmo --report --import FILE: the same for the saved scan FILE, whose
// root is named by the path it was saved from; --import FILE FILE...: for
// the fleet of those saved scans (see ImportFleet), one line per scan. A file that cannot be read
// or is damaged gives one line on err and 1. The directories the saved scan
// marks unreadable are named on err, but the status stays 0: the saved scan
// itself was read whole.
int RunReport(const Options& options, std::ostream& out, std::ostream& err);

// The walk of options.path (the current directory when empty), the saved
// scan options.importFiles names, or the fleet of those it names (of one
// too, with options.fleet), with the root named as the report writes its
// path; no tree once the reason is on err. rootPath becomes the root's path.
// With --exclude, *excluded becomes the number of entries left out.
ScanResult ScanForReport(const Options& options, std::string& rootPath, std::ostream& err,
                         std::uint64_t* excluded = nullptr);

// Names on err each directory below rootPath that could not be read.
void NameUnreadable(const std::string& rootPath, const std::vector<ScanProblem>& problems, std::ostream& err);
