#include "ProgressEstimate.h"

#include <algorithm>
#include <cmath>

namespace {

std::string TimeLeft(double seconds)
{
    if (seconds < 60)
        return "about " + std::to_string(static_cast<int>(std::ceil(seconds))) + " s left";
    return "about " + std::to_string(static_cast<int>(std::ceil(seconds / 60))) + " min left";
}

} // namespace

std::string ProgressEstimate::Text(std::int64_t scannedBytes, double elapsedSeconds) const
{
    if (!Known() || scannedBytes <= 0)
        return {};
    const double done = std::min(static_cast<double>(scannedBytes) / static_cast<double>(expected), 0.99);
    const double left = elapsedSeconds * (1 - done) / done;
    return std::to_string(static_cast<int>(done * 100)) + " %, " + TimeLeft(left);
}
