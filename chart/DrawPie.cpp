#include "DrawPie.h"

#include <cmath>

namespace {

// Degrees to radians as the chart has always converted them; the rim points
// that the legend and the hit test rely on depend on this exact factor.
constexpr double RadiansPerDegree = 0.01745;

constexpr float RightAngle = static_cast<float>(M_PI / 2);

// When the values give no proportions (all 0, or cancelling out), every slice
// gets the same whole number of degrees, which may leave part of the circle.
float EvenAngle(int count)
{
    return static_cast<float>(360 / count);
}

} // namespace

void DrawPie::SetBounds(int left, int top, int right, int bottom)
{
    const int width = right - left;
    const int height = bottom - top;
    if (height < width)
        right = left + height;
    else
        bottom = top + width;
    bounds = {left, top, right, bottom};
    extent = {0, 0, right - left, bottom - top};
    radius = (right - left) / 2;
    center = {left + radius, top + radius};
}

void DrawPie::SetValues(const std::vector<std::int64_t>& values, const std::vector<int>& places)
{
    count = static_cast<int>(values.size());
    total = 0;
    for (std::int64_t value : values)
        total += value;
    angles.clear();
    angles.reserve(values.size());
    for (std::int64_t value : values)
        angles.push_back(total != 0 ? static_cast<float>(value / total * 360) : EvenAngle(count));
    colors = SliceColorsOf(values, places);
    hasAngles = true;
}

void DrawPie::Clear()
{
    angles.clear();
    colors.clear();
    hasAngles = false;
    count = 0;
}

// Each boundary moves to a whole degree towards the middle of its quarter
// (12, 3, 6 or 9 o'clock), measured from that middle direction.
PiePoint DrawPie::EdgePoint(float angle) const
{
    const int quarter = angle < 90 ? 0 : angle < 180 ? 1 : angle < 270 ? 2 : 3;
    const int base = quarter * 90;
    double fromMiddle = std::trunc(base + 45 - static_cast<double>(angle));
    if (base >= 180)
        fromMiddle = -fromMiddle;
    const double radians = fromMiddle * RadiansPerDegree;
    const int ox = static_cast<int>(radius - radius * std::sin(radians));
    const int oy = static_cast<int>(radius - radius * std::cos(radians));
    switch (quarter) {
    case 0:
        return {bounds.left + ox, bounds.top + oy};
    case 1:
        return {bounds.left + extent.right - oy, bounds.top + ox};
    case 2:
        return {bounds.left + ox, bounds.top + extent.bottom - oy};
    default:
        return {bounds.left + oy, bounds.top + ox};
    }
}

// The last slice is never drawn as a wedge: it is what the wedges leave of a
// base disc in the colour of the last non-empty slice, which also fills any
// gap that the truncations leave at the end of the circle. Slices take the
// colours of SliceColorsOf, as their legend entries do.
RtnCoords DrawPie::Draw(PieCanvas& canvas)
{
    RtnCoords coords;
    canvas.SelectBrush(ColorOf(LastNonEmptySlice()));
    const PiePoint corner{bounds.left, bounds.top};
    canvas.Pie(bounds, corner, corner);
    if (!hasAngles)
        return coords;

    coords.count = count;
    coords.starts.reserve(angles.size());
    coords.ends.reserve(angles.size());
    PiePoint previous = EdgePoint(0);
    float sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += angles[i];
        const PiePoint point = EdgePoint(sum);
        coords.starts.push_back(previous);
        coords.ends.push_back(point);
        // Equal rim points would paint the whole circle, so an empty slice
        // draws nothing.
        if (point != previous && i < count - 1) {
            canvas.SelectBrush(ColorOf(i));
            canvas.Pie(bounds, point, previous);
        }
        previous = point;
    }
    return coords;
}

// The table's colour for slices beyond the values (none with values).
SliceColor DrawPie::ColorOf(int slice) const
{
    return slice < static_cast<int>(colors.size()) ? colors[static_cast<std::size_t>(slice)] : SliceColorAt(slice);
}

// 0 also when no slice has an angle, so the disc is then blue.
int DrawPie::LastNonEmptySlice() const
{
    for (int i = static_cast<int>(angles.size()) - 1; i > 0; --i)
        if (angles[i] != 0.0f)
            return i;
    return 0;
}

// Points on the vertical line through the centre count as left, points on
// the horizontal line as upper.
int DrawPie::QuadrantOf(PiePoint point) const
{
    if (point.x > center.x)
        return point.y > center.y ? 4 : 2;
    return point.y > center.y ? 3 : 1;
}

// The first offset lies along the axis ray where the quadrant angle is 0.
DrawPie::Offsets DrawPie::QuadrantOffsets(PiePoint point) const
{
    const int right = point.x - center.x;
    const int down = point.y - center.y;
    switch (QuadrantOf(point)) {
    case 1:
        return {-down, -right};
    case 2:
        return {right, -down};
    case 3:
        return {-right, down};
    default:
        return {down, right};
    }
}

int DrawPie::Quadrant(PiePoint point, bool* pastStart) const
{
    const int quadrant = QuadrantOf(point);
    if (quadrant == 1 && pastStart)
        *pastStart = QuadrantAngle(point) > QuadrantAngle(EdgePoint(0));
    return quadrant;
}

float DrawPie::QuadrantAngle(PiePoint point) const
{
    const Offsets offsets = QuadrantOffsets(point);
    if (offsets.first == 0)
        return offsets.second > 0 ? RightAngle : 0.0f;
    return static_cast<float>(std::atan(static_cast<double>(offsets.second) / offsets.first));
}

bool DrawPie::Contains(PiePoint point) const
{
    return DistanceFromCenter(point) <= radius;
}

// Goes through the angle rather than a square root, so a whole-number
// distance can come out one less (offsets 5 and 12 give 12).
int DrawPie::DistanceFromCenter(PiePoint point) const
{
    const Offsets offsets = QuadrantOffsets(point);
    if (offsets.first == 0)
        return offsets.second;
    if (offsets.second == 0)
        return offsets.first;
    const float angle = static_cast<float>(std::atan(static_cast<double>(offsets.second) / offsets.first));
    return static_cast<int>(offsets.second / std::sin(static_cast<double>(angle)));
}
