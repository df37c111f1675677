#include "DescriptorBudget.h"

#include <sys/resource.h>

#include <algorithm>

namespace {

// How many descriptors the walk may hold, leaving some for the rest of the
// program (the output file, the window's own).
std::size_t BudgetFor(rlim_t limit)
{
    constexpr rlim_t kMostUseful = 1 << 20;
    const rlim_t capped = limit == RLIM_INFINITY ? kMostUseful : std::min(limit, kMostUseful);
    const rlim_t keptBack = std::min<rlim_t>(capped / 2, 64);
    return std::max<std::size_t>(capped - keptBack, 2);
}

} // namespace

std::size_t DescriptorBudget()
{
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        limit.rlim_cur = 1024;
    else if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0)
            getrlimit(RLIMIT_NOFILE, &limit);
    }
    return BudgetFor(limit.rlim_cur);
}
