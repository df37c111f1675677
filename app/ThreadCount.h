#pragma once

#include <cstdlib>
#include <string>

// The number of walking threads that --threads names: 1 to 256, or -1 for
// anything else.
inline int ThreadCountOf(const std::string& text)
{
    char* end = nullptr;
    const long count = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && count >= 1 && count <= 256 ? static_cast<int>(count) : -1;
}
