#pragma once

#include "Recording.h"

#include <cstdint>
#include <string>
#include <vector>

// A moment of a drive's history named where a saved scan is expected:
// "@latest", "@yesterday" (the newest recording made before today began),
// "@7d" (the newest at least that old; see ParseAge) or "@2026-12-01" (the
// newest made on or before that day). Only the list of recordings is read.
class MomentName {
public:
    static bool IsMoment(const std::string& text) { return !text.empty() && text[0] == '@'; }

    // The position in recordings (oldest first) of the one text names at
    // now; -1, with the reason in problem, when it names none.
    static int Resolve(const std::string& text, const std::vector<Recording>& recordings, std::int64_t now,
                       std::string& problem);
};
