#include "FormatBytes.h"

std::string FormatBytes(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    const std::size_t n = digits.size();
    std::string text;
    text.reserve(n + n / 3);
    for (std::size_t i = 0; i < n; ++i) {
        text += digits[i];
        const std::size_t after = n - 1 - i;
        // No comma after the sign: "-" is not a digit of a group.
        if (after > 0 && after % 3 == 0 && digits[i] != '-')
            text += ',';
    }
    return text;
}
