#include "ProgressEstimate.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Filled(std::string words, int number)
{
    const std::size_t place = words.find("{}");
    return place == std::string::npos ? words : words.replace(place, 2, std::to_string(number));
}

std::string TimeLeft(double seconds, const ProgressWords& words)
{
    if (seconds < 60)
        return Filled(words.secondsLeft, static_cast<int>(std::ceil(seconds)));
    return Filled(words.minutesLeft, static_cast<int>(std::ceil(seconds / 60)));
}

} // namespace

std::string ProgressEstimate::Text(std::int64_t scannedBytes, double elapsedSeconds, const ProgressWords& words) const
{
    if (!Known() || scannedBytes <= 0)
        return {};
    const double done = std::min(static_cast<double>(scannedBytes) / static_cast<double>(expected), 0.99);
    const double left = elapsedSeconds * (1 - done) / done;
    return Filled(words.share, static_cast<int>(done * 100)) + ", " + TimeLeft(left, words);
}
