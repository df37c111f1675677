#include "KeepPolicy.h"

#include "Age.h"
#include "CalendarDay.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>

namespace {

const char* const kTierNames[] = {"all", "daily", "weekly", "monthly"};

std::int64_t DayNumber(std::int64_t time)
{
    return time / CalendarDay::kSecondsPerDay - (time % CalendarDay::kSecondsPerDay < 0);
}

// The period of each tier a recording falls in; "all" gives every recording
// a period of its own.
std::int64_t PeriodOf(int tier, std::size_t position, std::int64_t time)
{
    switch (tier) {
    case 1:
        return DayNumber(time);
    case 2:
        return (DayNumber(time) + 3) / 7; // 1970-01-01 was a Thursday
    case 3: {
        const CalendarDay day = CalendarDay::Of(time);
        return day.year * 12 + day.month;
    }
    default:
        return static_cast<std::int64_t>(position);
    }
}

bool ParseTierAge(const std::string& text, std::int64_t& seconds)
{
    if (text != "forever")
        return ParseAge(text, seconds);
    seconds = KeepPolicy::kForever;
    return true;
}

} // namespace

KeepPolicy::KeepPolicy()
{
    std::string unused;
    Parse(kDefault, *this, unused);
}

bool KeepPolicy::Parse(const std::string& text, KeepPolicy& policy, std::string& error)
{
    std::int64_t parsed[kTiers] = {0, 0, 0, 0};
    std::istringstream tiers(text);
    std::string tier;
    while (std::getline(tiers, tier, ',')) {
        const std::size_t colon = tier.find(':');
        const auto name = std::find(std::begin(kTierNames), std::end(kTierNames), tier.substr(0, colon));
        const std::string age = colon == std::string::npos ? std::string() : tier.substr(colon + 1);
        if (name == std::end(kTierNames) || !ParseTierAge(age, parsed[name - std::begin(kTierNames)])) {
            error = "invalid keep rule '" + tier + "' (as in " + kDefault + ")";
            return false;
        }
    }
    std::copy(std::begin(parsed), std::end(parsed), std::begin(policy.ages));
    return true;
}

std::vector<std::size_t> KeepPolicy::ToRemove(const std::vector<std::int64_t>& times, std::int64_t now) const
{
    std::vector<std::size_t> newestFirst(times.size());
    std::iota(newestFirst.begin(), newestFirst.end(), 0);
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [&](std::size_t a, std::size_t b) { return times[a] > times[b]; });
    std::set<std::int64_t> periodsSeen[kTiers];
    std::vector<std::size_t> removed;
    for (std::size_t position : newestFirst) {
        const std::int64_t age = now - times[position];
        bool keep = position == newestFirst.front();
        for (int tier = All; tier < kTiers; ++tier) {
            // The first recording met in a period is its newest.
            const bool newestOfPeriod = periodsSeen[tier].insert(PeriodOf(tier, position, times[position])).second;
            keep = keep || (newestOfPeriod && age < ages[tier]);
        }
        if (!keep)
            removed.push_back(position);
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}
