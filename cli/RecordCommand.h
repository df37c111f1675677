#pragma once

#include "MountTable.h"
#include "Options.h"

#include <cstdint>
#include <ostream>

// kelmo --record [PATH]: scans drive (the one that holds PATH) from its mount
// point and writes the scan, compressed with zstd, into the drive's history
// (see HistoryFolder) as the recording of now; then removes the recordings
// options.keep (or the default KeepPolicy) no longer keeps. The file is
// written as the export writes one: never half, so a full disk leaves the
// older recordings as they were. Returns 0 once the recording is written
// (directories that could not be read are named on err and marked in it);
// 1 with the reason on err when another recording of the drive is running,
// or the scan or the write fails.
int RunRecord(const Options& options, const MountEntry& drive, std::int64_t now, std::ostream& err);
