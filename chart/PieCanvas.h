#pragma once

#include "PiePoint.h"
#include "SliceColors.h"

// What the chart needs of a drawing surface. Tests record the calls; the
// program draws with QPainterPieCanvas.
class PieCanvas {
public:
    virtual ~PieCanvas() = default;

    // Fill colour of the following Pie calls.
    virtual void SelectBrush(SliceColor color) = 0;

    // The wedge of the circle inscribed in square that runs counterclockwise
    // on screen from the ray through first to the ray through second; the
    // whole circle when first == second. Outlined with a 1-pixel black pen.
    virtual void Pie(const PieRect& square, PiePoint first, PiePoint second) = 0;
};
