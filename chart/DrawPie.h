#pragma once

#include "PieCanvas.h"
#include "PiePoint.h"
#include "RtnCoords.h"

#include <cstdint>
#include <vector>

// The pie chart: slices of a circle proportional to a list of values, starting
// at the upper-left diagonal and running clockwise, drawn in SliceColors.
class DrawPie {
public:
    // Fits the chart's square into the rectangle, anchored at its top-left.
    void SetBounds(int left, int top, int right, int bottom);
    // One slice per value, in order. Draws nothing.
    void SetValues(const std::vector<std::int64_t>& values);
    // No slices. Draws nothing.
    void Clear();
    // Draws base disc and wedges; returns every slice's rim points.
    RtnCoords Draw(PieCanvas& canvas);
    // The rim point of the slice boundary at cumulative angle a (degrees).
    PiePoint EdgePoint(float angle) const;

    // Hit testing.
    struct Offsets {
        int first;
        int second;
    };
    Offsets QuadrantOffsets(PiePoint point) const;
    int Quadrant(PiePoint point, bool* pastStart = nullptr) const;
    float QuadrantAngle(PiePoint point) const;
    bool Contains(PiePoint point) const;

    PiePoint Center() const { return center; }
    int Radius() const { return radius; }
    PieRect Bounds() const { return bounds; }
    PieRect Extent() const { return extent; }
    int Count() const { return count; }
    const std::vector<float>& Angles() const { return angles; }
    bool HasAngles() const { return hasAngles; }

private:
    void SelectNextColor(PieCanvas& canvas);
    int LastNonEmptySlice() const;
    int QuadrantOf(PiePoint point) const;
    int DistanceFromCenter(PiePoint point) const;

    PiePoint center;
    PieRect extent;
    PieRect bounds;
    long double total = 0;
    std::vector<float> angles;
    bool hasAngles = false;
    int radius = 0;
    int count = 0;
    int nextColor = 0;
};
