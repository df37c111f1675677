#include "CalendarDay.h"

#include <ctime>

CalendarDay CalendarDay::Of(std::int64_t time)
{
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday};
}

bool CalendarDay::Parse(const std::string& text, CalendarDay& result)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    int fields[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f)
        for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            fields[f] = fields[f] * 10 + (text[i] - '0');
        }
    result = {fields[0], fields[1], fields[2]};
    return result.Valid();
}

bool CalendarDay::Valid() const
{
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    // timegm carries an overflowing day into the next month; a real day comes back unchanged.
    const CalendarDay back = Of(Start());
    return back.year == year && back.month == month && back.day == day;
}

std::int64_t CalendarDay::Start() const
{
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    return static_cast<std::int64_t>(timegm(&utc));
}
