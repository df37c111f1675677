#include "RecordingName.h"

#include "CalendarDay.h"

#include <cstring>
#include <ctime>

namespace {

constexpr const char* kSuffix = ".json.zst";
constexpr std::size_t kStampLength = 16; // YYYYMMDDTHHMMSSZ

bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

std::string RecordingName::For(std::int64_t time)
{
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[kStampLength + 1];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    return stamp + std::string(kSuffix);
}

bool RecordingName::Parse(const std::string& name, std::int64_t& time)
{
    if (name.size() != kStampLength + std::strlen(kSuffix)
        || name.compare(kStampLength, std::string::npos, kSuffix) != 0 || name[8] != 'T' || name[15] != 'Z')
        return false;
    CalendarDay day;
    int hour = 0, minute = 0, second = 0;
    if (!Digits(name, 0, 4, day.year) || !Digits(name, 4, 2, day.month) || !Digits(name, 6, 2, day.day)
        || !Digits(name, 9, 2, hour) || !Digits(name, 11, 2, minute) || !Digits(name, 13, 2, second))
        return false;
    if (!day.Valid() || hour > 23 || minute > 59 || second > 59)
        return false;
    time = day.Start() + hour * 3600 + minute * 60 + second;
    return true;
}
