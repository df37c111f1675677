#pragma once

#include <cstdint>
#include <limits>

// Byte counts never wrap: a sum that would pass the largest 64-bit value
// stays there (two sparse files of 2^63-1 bytes are possible on tmpfs).
inline std::int64_t AddSaturating(std::int64_t a, std::int64_t b)
{
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return sum;
}
