#pragma once

#include "FileInfo.h"
#include "Options.h"

#include <cstdint>
#include <ostream>
#include <string>

// kelmo --report --json: the survey as one JSON document on one line, as
// docs/kelmo-report.schema.json describes it. The root, named by its
// "path" (rootPath), with both sizes, the free space ("free_bytes", null
// when unknown), with --exclude the number of entries left out
// ("excluded"), and the directories that could not be read ("problems":
// "path" and "error", the errno text, null for those a saved scan marks).
// Every directory has its "disk_bytes" and "apparent_bytes"; those
// options.depth levels below the root or fewer (one without --depth) list
// their sub-directories as "children", each with its "name", in the order
// options.order says. Names and paths that are not UTF-8 are written as
// AppendJsonName writes them.
void PrintJsonReport(const FileInfo& survey, const std::string& rootPath, const Options& options,
                     std::uint64_t excluded, std::ostream& out);
