#pragma once

#include "UniqueFd.h"

#include <string>

// Held while a recording of a drive is made, so that two never run at once
// on the same drive: an advisory lock on the ".lock" file of the drive's
// history folder, given back when the holder ends, however it ends.
class HistoryLock {
public:
    explicit HistoryLock(const std::string& folder);
    // False when another recording holds it, or the lock file cannot be made.
    bool Held() const { return held; }

private:
    UniqueFd fd;
    bool held = false;
};
