#pragma once

#include "PieCanvas.h"
#include "PiePoint.h"
#include "RtnCoords.h"
#include "SliceColors.h"

#include <cstdint>
#include <vector>

// The pie chart: slices of a circle proportional to a list of values, starting
// at the upper-left diagonal and running clockwise, drawn in SliceColors.
class DrawPie {
public:
    // Fits the chart's square into the rectangle, anchored at its top-left.
    void SetBounds(int left, int top, int right, int bottom);
    // One slice per value, in order, coloured by its place in the listing
    // (see SliceColorsOf). Draws nothing. An empty list gives an angle list
    // without slices, which draws like no list at all.
    void SetValues(const std::vector<std::int64_t>& values, const std::vector<int>& places = {});
    // No slices. Draws nothing.
    void Clear();
    // Draws base disc and wedges; returns every slice's rim points.
    RtnCoords Draw(PieCanvas& canvas);
    // The rim point of the slice boundary at cumulative angle a (degrees).
    PiePoint EdgePoint(float angle) const;

    // Hit testing. Quadrants around the centre: 1 upper left (the centre and
    // both axes through it included), 2 upper right, 3 lower left, 4 lower
    // right. Within each, the quadrant angle runs from 0 on one axis ray to a
    // right angle on the next one counterclockwise, so it falls as the pie
    // goes round.
    struct Offsets {
        int first;
        int second;
    };
    // Distances from the centre along the quadrant's two axes, never negative.
    Offsets QuadrantOffsets(PiePoint point) const;
    // Quadrant 1 to 4; for quadrant 1 also whether the point lies past the
    // pie's start diagonal (towards 9 o'clock), when pastStart is given.
    int Quadrant(PiePoint point, bool* pastStart = nullptr) const;
    // Radians, 0 to a right angle.
    float QuadrantAngle(PiePoint point) const;
    // Within the circle, rim included.
    bool Contains(PiePoint point) const;

    PiePoint Center() const { return center; }
    int Radius() const { return radius; }
    PieRect Bounds() const { return bounds; }
    PieRect Extent() const { return extent; }
    int Count() const { return count; }
    const std::vector<float>& Angles() const { return angles; }
    bool HasAngles() const { return hasAngles; }
    SliceColor ColorOf(int slice) const;

private:
    int LastNonEmptySlice() const;
    int QuadrantOf(PiePoint point) const;
    int DistanceFromCenter(PiePoint point) const;

    PiePoint center;
    PieRect extent;
    PieRect bounds;
    long double total = 0;
    std::vector<float> angles;
    std::vector<SliceColor> colors;
    bool hasAngles = false;
    int radius = 0;
    int count = 0;
};
