#pragma once

#include "DirectorySource.h"
#include "ExcludingSource.h"
#include "Options.h"
#include "Scanner.h"

#include <memory>
#include <ostream>
#include <string>

// The directory a scan that options asks for walks: PATH, or the current one.
std::string PathToScan(const Options& options);

// The path du names the root of a walk of path by: as typed, with a run of
// trailing '/' cut to one. The lines and messages below it start with it.
std::string DuRootPath(std::string path);
// Appends "/" and name to path without doubling a '/' that ends it, as du
// joins them.
void AppendName(std::string& path, const std::string& name);

// Whether path names a symbolic link as du counts it: the link itself, when
// no '/' ends path ("slink/" names the directory the link points to); link
// then describes the link.
bool NamesLink(const std::string& path, EntryStat& link);
// Where path names a symbolic link, says so on err in one line, with the
// directory a walk of path shows (the one the link names).
void SayLinkFollowed(const std::string& path, std::ostream& err);

// Why the directory at path cannot be scanned, as du says it: "cannot access
// 'PATH': No such file or directory", "cannot read directory 'PATH':
// Permission denied"; empty when it can be.
std::string RootProblem(const std::string& path);
// Says on err, after "kelmo: ", why path cannot be scanned; false then.
bool RootScannable(const std::string& path, std::ostream& err);

// The file system as a scan that options asks for reads it, leaving out what
// options.excludes match; excluding then points to the source that counts
// them, and is null when no pattern is given.
std::unique_ptr<DirectorySource> ScanSource(const Options& options, const ExcludingSource*& excluding);

// A scanner as options asks for it: its threads, and its source leaving out
// what options.excludes match (counted by *excluding when given). The
// report, the comparison and the window each scan through one.
std::unique_ptr<Scanner> ScannerFor(const Options& options, const ExcludingSource** excluding = nullptr);
