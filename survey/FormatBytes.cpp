#include "FormatBytes.h"

#include <cmath>

std::string FormatBytes(std::int64_t value, const NumberMarks& marks)
{
    const std::string digits = std::to_string(value);
    const std::size_t n = digits.size();
    std::string text;
    text.reserve(n + n / 3 * marks.groupSeparator.size());
    for (std::size_t i = 0; i < n; ++i) {
        text += digits[i];
        const std::size_t after = n - 1 - i;
        // No separator after the sign: "-" is not a digit of a group.
        if (after > 0 && after % 3 == 0 && digits[i] != '-')
            text += marks.groupSeparator;
    }
    return text;
}

namespace {

// A positive count in the largest binary unit that keeps it under 1024 once
// rounded up.
std::string FormatBinary(std::uint64_t bytes, const std::string& decimalPoint)
{
    static const char* const names[] = {"B", "KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
    if (bytes < 1024)
        return std::to_string(bytes) + " B";
    long double unit = 1024.0L;
    for (int exponent = 1;; ++exponent, unit *= 1024.0L) {
        const long double value = static_cast<long double>(bytes) / unit;
        const auto tenths = static_cast<std::uint64_t>(std::ceil(value * 10.0L));
        if (tenths < 100)
            return std::to_string(tenths / 10) + decimalPoint + std::to_string(tenths % 10) + ' ' + names[exponent];
        const auto whole = static_cast<std::uint64_t>(std::ceil(value));
        if (whole < 1024 || exponent == 6)
            return std::to_string(whole) + ' ' + names[exponent];
    }
}

} // namespace

std::string FormatSize(std::int64_t value, SizeUnits units, const NumberMarks& marks)
{
    if (units == SizeUnits::Bytes)
        return FormatBytes(value, marks);
    // The magnitude of the smallest count does not fit a signed count.
    const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    return (value < 0 ? "-" : "") + FormatBinary(magnitude, marks.decimalPoint);
}
