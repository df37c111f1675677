#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Which recordings a history keeps as they age, as backup tools thin their
// copies: every recording younger than the "all" age; beyond it, while
// younger than the "daily" age, the newest of each day; then of each week
// (Monday to Sunday), then of each month. Days, weeks and months are UTC's,
// as the recordings' names. The newest recording is always kept.
class KeepPolicy {
public:
    static constexpr std::int64_t kForever = INT64_MAX;
    static constexpr const char* kDefault = "all:2d,daily:30d,weekly:1y,monthly:forever";

    KeepPolicy();
    // Tiers as "all:2d,daily:30d,weekly:1y,monthly:forever", each an age
    // (see ParseAge) or "forever"; a tier not named keeps nothing. False,
    // with the reason in error, for any other text.
    static bool Parse(const std::string& text, KeepPolicy& policy, std::string& error);

    // The positions in times (seconds since the epoch, in any order) of the
    // recordings to remove at now.
    std::vector<std::size_t> ToRemove(const std::vector<std::int64_t>& times, std::int64_t now) const;

private:
    enum Tier { All, Daily, Weekly, Monthly, kTiers };
    std::int64_t ages[kTiers] = {0, 0, 0, 0};
};
