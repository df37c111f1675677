#pragma once

#include <cstdlib>
#include <string>

// The number text names, when it is a whole number from 1 to highest; -1
// for anything else.
inline int WholeNumberOf(const std::string& text, long highest)
{
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && number >= 1 && number <= highest ? static_cast<int>(number) : -1;
}

// The number of walking threads that --threads names: 1 to 256, or -1 for
// anything else.
inline int ThreadCountOf(const std::string& text)
{
    return WholeNumberOf(text, 256);
}
