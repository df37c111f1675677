#pragma once

#include "DrawPie.h"
#include "PiePoint.h"

#include <vector>

// Finding the slice under a point without turning the point into a cumulative
// angle: points fall into five sectors that follow one another clockwise from
// the pie's start, and angles are compared only within a sector. Comparing
// with the rim points of the last drawing keeps the answer in step with what
// is on screen, rounding included.

// Sector 1 to 5 in pie order: quadrant 1 before the start diagonal is 1,
// quadrants 2, 4 and 3 are 2, 3 and 4, quadrant 1 past the start is 5.
int SectorOf(int quadrant, bool pastStart);

// The last non-empty slice whose start lies at or before point in pie order;
// 0 when there is none. Slice i runs from starts[i] to ends[i]; only as many
// slices as both lists hold are looked at.
int SliceAt(const DrawPie& chart, PiePoint point, const std::vector<PiePoint>& starts,
            const std::vector<PiePoint>& ends);
