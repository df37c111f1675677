#include "SliceColors.h"

namespace {

int FirstNonEmpty(const std::vector<std::int64_t>& sizes, int from, int step)
{
    for (int i = from; i >= 0 && i < static_cast<int>(sizes.size()); i += step)
        if (sizes[static_cast<std::size_t>(i)] != 0)
            return i;
    return -1;
}

} // namespace

std::vector<SliceColor> SliceColorsOf(const std::vector<std::int64_t>& sizes)
{
    std::vector<SliceColor> colors;
    colors.reserve(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i)
        colors.push_back(SliceColorAt(static_cast<int>(i)));

    const int first = FirstNonEmpty(sizes, 0, 1);
    const int last = FirstNonEmpty(sizes, static_cast<int>(sizes.size()) - 1, -1);
    if (first < 0 || last == first || !(colors[last] == colors[first]))
        return colors;
    const SliceColor before = colors[static_cast<std::size_t>(FirstNonEmpty(sizes, last - 1, -1))];
    for (int step = 1; step < static_cast<int>(SliceColors.size()); ++step) {
        const SliceColor candidate = SliceColorAt(last + step);
        if (!(candidate == before) && !(candidate == colors[first])) {
            colors[static_cast<std::size_t>(last)] = candidate;
            break;
        }
    }
    return colors;
}
