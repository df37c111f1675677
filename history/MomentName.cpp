#include "MomentName.h"

#include "Age.h"
#include "CalendarDay.h"

namespace {

// The newest recording made before the end of a moment (a second), and
// what the moment is called when there is none.
struct Bound {
    std::int64_t before;
    std::string words;
};

bool BoundOf(const std::string& name, std::int64_t now, Bound& bound)
{
    std::int64_t age = 0;
    CalendarDay day;
    if (name == "latest")
        bound = {INT64_MAX, "yet"};
    else if (name == "yesterday")
        bound = {CalendarDay::Of(now).Start(), "before today"};
    else if (ParseAge(name, age))
        bound = {now - age + 1, "at least " + name + " old"};
    else if (CalendarDay::Parse(name, day))
        bound = {day.Start() + CalendarDay::kSecondsPerDay, "on or before " + name};
    else
        return false;
    return true;
}

} // namespace

int MomentName::Resolve(const std::string& text, const std::vector<Recording>& recordings, std::int64_t now,
                        std::string& problem)
{
    Bound bound;
    if (!IsMoment(text) || !BoundOf(text.substr(1), now, bound)) {
        problem = "'" + text + "' names no moment (@latest, @yesterday, @7d or @2026-12-01)";
        return -1;
    }
    for (int i = static_cast<int>(recordings.size()) - 1; i >= 0; --i)
        if (recordings[static_cast<std::size_t>(i)].time < bound.before)
            return i;
    problem = "no recording " + bound.words;
    return -1;
}
