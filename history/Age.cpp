#include "Age.h"

#include <limits>

namespace {

std::int64_t UnitSeconds(char unit)
{
    switch (unit) {
    case 'h':
        return 3600;
    case 'd':
        return 86400;
    case 'w':
        return 7 * 86400;
    case 'm':
        return 30 * 86400;
    case 'y':
        return 365 * 86400;
    default:
        return 0;
    }
}

} // namespace

bool ParseAge(const std::string& text, std::int64_t& seconds)
{
    if (text.size() < 2)
        return false;
    const std::int64_t unit = UnitSeconds(text.back());
    if (unit == 0)
        return false;
    std::int64_t count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || count > std::numeric_limits<std::int64_t>::max() / unit / 10)
            return false;
        count = count * 10 + (text[i] - '0');
    }
    seconds = count * unit;
    return true;
}
