#pragma once

#include "MountTable.h"
#include "Options.h"

#include <cstdint>
#include <ostream>
#include <string>

// The drive that holds path (canonical), from the system's mount table;
// false, with the reason on err, when there is none.
bool DriveHolding(const std::string& path, MountEntry& drive, std::ostream& err);

// kelmo --history [PATH]: a line for each recording of drive, oldest first:
// its UTC time ("2026-12-09T07:26:05Z"), tab, the bytes the recording
// counted (as -h or --si write them with those), tab, the change since the
// one before ("+1234", "-56"; "-" for the first, or where a size is not in
// the index). Returns 0; 1 when the drive has no recording.
int RunHistory(const Options& options, const MountEntry& drive, std::ostream& out, std::ostream& err);

// The saved scan name stands for: the file of the recording of drive's
// history a moment names (see MomentName) at now, or name itself when it is
// no moment. Empty, with the reason in problem, when the moment names none.
std::string SavedScanNamed(const std::string& name, const MountEntry& drive, std::int64_t now, std::string& problem);
