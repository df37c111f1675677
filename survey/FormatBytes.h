#pragma once

#include <cstdint>
#include <string>

// A byte count as decimal text with "," between groups of three digits:
// 1234567 gives "1,234,567", -1234 gives "-1,234".
std::string FormatBytes(std::int64_t value);
