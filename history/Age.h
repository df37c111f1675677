#pragma once

#include <cstdint>
#include <string>

// An age as the history's options write it: a count and a unit, "36h",
// "7d", "2w", "6m" (30 days), "1y" (365 days). False for any other text.
bool ParseAge(const std::string& text, std::int64_t& seconds);
