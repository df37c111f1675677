#pragma once

#include <cstdint>
#include <string>

// One recording of a drive's history: a saved scan in the drive's folder,
// named by the UTC time it was made.
struct Recording {
    std::int64_t time = 0;       // seconds since the epoch
    std::string fileName;        // "20261209T072600Z.json.zst", in the drive's folder
    std::int64_t usedBytes = -1; // what the scan counted on the drive; -1 when the index lacks it
};
