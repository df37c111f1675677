#include "SliceHitTest.h"

#include <algorithm>

namespace {

int SectorOfPoint(const DrawPie& chart, PiePoint point)
{
    bool pastStart = false;
    const int quadrant = chart.Quadrant(point, &pastStart);
    return SectorOf(quadrant, pastStart);
}

} // namespace

int SectorOf(int quadrant, bool pastStart)
{
    switch (quadrant) {
    case 2:
        return 2;
    case 4:
        return 3;
    case 3:
        return 4;
    default:
        return pastStart ? 5 : 1;
    }
}

// Slices are in pie order, so the search stops at the first non-empty slice
// that starts after the point. Within a sector the quadrant angle falls
// clockwise; a point on a boundary belongs to the slice that starts there.
int SliceAt(const DrawPie& chart, PiePoint point, const std::vector<PiePoint>& starts,
            const std::vector<PiePoint>& ends)
{
    const float angle = chart.QuadrantAngle(point);
    const int sector = SectorOfPoint(chart, point);
    const std::size_t count = std::min(starts.size(), ends.size());
    int best = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (starts[i] == ends[i])
            continue;
        const int startSector = SectorOfPoint(chart, starts[i]);
        if (startSector > sector)
            break;
        if (startSector == sector && chart.QuadrantAngle(starts[i]) < angle)
            break;
        best = static_cast<int>(i);
    }
    return best;
}
