#include "SliceColors.h"

#include <algorithm>
#include <numeric>

namespace {

// The non-empty slices, in the order of their places when every slice has one.
std::vector<std::size_t> NonEmptyInPlaceOrder(const std::vector<std::int64_t>& sizes, const std::vector<int>& places)
{
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (places.size() == sizes.size())
        std::stable_sort(order.begin(), order.end(),
                         [&places](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    order.erase(std::remove_if(order.begin(), order.end(), [&sizes](std::size_t slice) { return sizes[slice] == 0; }),
                order.end());
    return order;
}

} // namespace

std::vector<SliceColor> SliceColorsOf(const std::vector<std::int64_t>& sizes, const std::vector<int>& places)
{
    const bool placed = places.size() == sizes.size();
    const auto placeOf = [&](std::size_t slice) { return placed ? places[slice] : static_cast<int>(slice); };
    std::vector<SliceColor> colors;
    colors.reserve(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i)
        colors.push_back(SliceColorAt(placeOf(i)));

    const std::vector<std::size_t> nonEmpty = NonEmptyInPlaceOrder(sizes, places);
    if (nonEmpty.size() < 2 || !(colors[nonEmpty.back()] == colors[nonEmpty.front()]))
        return colors;
    const std::size_t last = nonEmpty.back();
    const SliceColor first = colors[nonEmpty.front()];
    const SliceColor before = colors[nonEmpty[nonEmpty.size() - 2]];
    for (int step = 1; step < static_cast<int>(SliceColors.size()); ++step) {
        const SliceColor candidate = SliceColorAt(placeOf(last) + step);
        if (!(candidate == before) && !(candidate == first)) {
            colors[last] = candidate;
            break;
        }
    }
    return colors;
}
