#pragma once

#include "PiePoint.h"

#include <vector>

// What one drawing of the chart reports: each slice's start and end rim point.
// starts[0] is the pie's start point; starts[i] == ends[i - 1] for later slices.
struct RtnCoords {
    int count = 0;
    std::vector<PiePoint> starts;
    std::vector<PiePoint> ends;
};
