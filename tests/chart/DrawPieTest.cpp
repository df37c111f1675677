#include "DrawPie.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Values = std::vector<std::int64_t>;
using Points = std::vector<PiePoint>;

constexpr SliceColor Blue = SliceColors[0];
constexpr SliceColor Cyan = SliceColors[1];
constexpr SliceColor Green = SliceColors[2];
constexpr SliceColor Black = SliceColors[6];
constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();

// The splash's chart: bounds (200, 20, 300, 120), radius 50.
const PieRect Splash{200, 20, 300, 120};
const PiePoint Start{214, 34};
const PiePoint HalfWay{285, 106};
const PieCall BlueDisc{Blue, Splash, {200, 20}, {200, 20}};

struct Drawing {
    std::vector<PieCall> calls;
    RtnCoords coords;
};

DrawPie SplashPie(const Values& values)
{
    DrawPie pie;
    pie.SetBounds(Splash.left, Splash.top, Splash.right, Splash.bottom);
    pie.SetValues(values);
    return pie;
}

Drawing Draw(DrawPie& pie)
{
    RecordingCanvas canvas;
    RtnCoords coords = pie.Draw(canvas);
    return {canvas.calls, coords};
}

Drawing DrawSplash(const Values& values)
{
    DrawPie pie = SplashPie(values);
    return Draw(pie);
}

} // namespace

TEST(DrawPieTest, SetBoundsMakesTheLargestSquareAtTheTopLeft)
{
    DrawPie pie;
    pie.SetBounds(200, 20, 300, 120);
    EXPECT_EQ(pie.Radius(), 50);
    EXPECT_EQ(pie.Center(), (PiePoint{250, 70}));
    EXPECT_EQ(pie.Extent(), (PieRect{0, 0, 100, 100}));
    pie.SetBounds(20, 20, 337, 475);
    EXPECT_EQ(pie.Bounds(), (PieRect{20, 20, 337, 337}));
    EXPECT_EQ(pie.Radius(), 158);
    EXPECT_EQ(pie.Center(), (PiePoint{178, 178}));
    pie.SetBounds(0, 0, 300, 100);
    EXPECT_EQ(pie.Bounds(), (PieRect{0, 0, 100, 100}));
    EXPECT_EQ(pie.Center(), (PiePoint{50, 50}));
}

TEST(DrawPieTest, AnglesFollowTheValuesOrSplitEvenlyInWholeDegrees)
{
    const std::vector<std::pair<Values, std::vector<float>>> cases{{{1, 1}, {180, 180}},
                                                                   {{Largest, Largest}, {180, 180}},
                                                                   {{0, 0, 0}, {120, 120, 120}},
                                                                   {{5, -5, 0}, {120, 120, 120}},
                                                                   {Values(7, 0), std::vector<float>(7, 51)},
                                                                   {Values(361, 0), std::vector<float>(361, 0)}};
    for (const auto& [values, angles] : cases)
        EXPECT_EQ(SplashPie(values).Angles(), angles) << values.size() << " values";
}

TEST(DrawPieTest, NoAngleListIsNotTheSameAsAnEmptyOne)
{
    DrawPie pie;
    EXPECT_FALSE(pie.HasAngles());
    pie.SetValues({});
    EXPECT_TRUE(pie.HasAngles());
    EXPECT_EQ(pie.Count(), 0);
    pie.SetValues({1});
    pie.Clear();
    EXPECT_FALSE(pie.HasAngles());
    EXPECT_EQ(pie.Count(), 0);
}

TEST(DrawPieTest, EdgePointsMoveToWholeDegreesTowardsTheQuarterMiddle)
{
    const DrawPie splash = SplashPie({});
    const std::vector<std::pair<float, PiePoint>> onSplash{
        {0, {214, 34}},    {10.7f, {222, 28}}, {45, {250, 20}},   {75, {274, 26}},   {90, {286, 34}},
        {100, {291, 41}},  {135, {300, 70}},   {180, {285, 106}}, {200, {271, 116}}, {225, {250, 120}},
        {270, {214, 105}}, {300, {201, 82}},   {315, {200, 70}},  {360, {214, 34}}};
    for (const auto& [angle, point] : onSplash)
        EXPECT_EQ(splash.EdgePoint(angle), point) << "angle " << angle;

    DrawPie window;
    window.SetBounds(20, 20, 337, 337);
    const std::vector<std::pair<float, PiePoint>> onWindow{{0, {66, 66}},     {13, {94, 43}},    {45, {178, 20}},
                                                           {135, {337, 178}}, {225, {178, 337}}, {315, {20, 178}}};
    for (const auto& [angle, point] : onWindow)
        EXPECT_EQ(window.EdgePoint(angle), point) << "angle " << angle;
}

TEST(DrawPieTest, TheLastSliceIsTheBaseDiscAndEmptySlicesDrawNothing)
{
    const Drawing halves = DrawSplash({10, 10});
    EXPECT_EQ(halves.calls,
              (std::vector<PieCall>{{Cyan, Splash, {200, 20}, {200, 20}}, {Blue, Splash, HalfWay, Start}}));
    EXPECT_EQ(halves.coords.count, 2);
    EXPECT_EQ(halves.coords.starts, (Points{Start, HalfWay}));
    EXPECT_EQ(halves.coords.ends, (Points{HalfWay, Start}));

    const Drawing withEmpty = DrawSplash({5, 0, 5});
    EXPECT_EQ(withEmpty.calls,
              (std::vector<PieCall>{{Green, Splash, {200, 20}, {200, 20}}, {Blue, Splash, HalfWay, Start}}));
    EXPECT_EQ(withEmpty.coords.starts, (Points{Start, HalfWay, HalfWay}));
    EXPECT_EQ(withEmpty.coords.ends, (Points{HalfWay, HalfWay, Start}));

    const Drawing whole = DrawSplash({42});
    EXPECT_EQ(whole.calls, std::vector<PieCall>{BlueDisc});
    EXPECT_EQ(whole.coords.starts, Points{Start});
    EXPECT_EQ(whole.coords.ends, Points{Start});
}

TEST(DrawPieTest, AllZeroValuesLeaveTheGapInTheLastSlicesColour)
{
    DrawPie pie = SplashPie(Values(7, 0));
    const Drawing drawing = Draw(pie);
    ASSERT_EQ(drawing.calls.size(), 7u);
    EXPECT_EQ(drawing.calls[0].color, Black);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(drawing.calls[i + 1],
                  (PieCall{SliceColors[i], Splash, drawing.coords.ends[i], drawing.coords.starts[i]}));
    EXPECT_EQ(drawing.coords.ends[6], pie.EdgePoint(357));

    const Drawing tooMany = DrawSplash(Values(400, 0));
    EXPECT_EQ(tooMany.calls, std::vector<PieCall>{BlueDisc});
    EXPECT_EQ(tooMany.coords.count, 400);
    EXPECT_EQ(tooMany.coords.starts, Points(400, Start));
    EXPECT_EQ(tooMany.coords.ends, Points(400, Start));
}

TEST(DrawPieTest, ColoursRepeatAfterEightSlices)
{
    const Drawing drawing = DrawSplash(Values(10, 1));
    ASSERT_EQ(drawing.calls.size(), 10u);
    EXPECT_EQ(drawing.calls[0].color, Cyan);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(drawing.calls[i + 1].color, SliceColors[i % 8]) << "slice " << i;
}

// The last and the first slice touch on the circle.
TEST(DrawPieTest, TheLastSliceNeverTakesTheFirstSlicesColour)
{
    EXPECT_EQ(DrawSplash(Values(9, 1)).calls[0].color, Cyan) << "nine slices: the ninth is not blue";
    EXPECT_EQ(DrawSplash({0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}).calls[0].color, Green)
        << "the first and last non-empty slices count: cyan, between blue and cyan, turns green";
    EXPECT_EQ(SliceColorsOf({1, 1, 0, 0, 0, 0, 0, 0, 1}),
              (std::vector<SliceColor>{Blue, Cyan, Green, SliceColors[3], SliceColors[4], SliceColors[5], Black,
                                       SliceColors[7], Green}))
        << "the ninth slice's neighbours are blue and cyan";
}

TEST(DrawPieTest, TheSinglePrecisionSumEndsShortOfTheStart)
{
    EXPECT_EQ(DrawSplash(Values(7, 10)).coords.ends[6], (PiePoint{214, 35}));
}

TEST(DrawPieTest, WithoutSlicesTheDiscIsBlueAndNoPointsAreReported)
{
    for (const bool cleared : {true, false}) {
        DrawPie pie = SplashPie({3, 4});
        cleared ? pie.Clear() : pie.SetValues({});
        const Drawing drawing = Draw(pie);
        EXPECT_EQ(drawing.calls, std::vector<PieCall>{BlueDisc});
        EXPECT_EQ(drawing.coords.count, 0);
        EXPECT_TRUE(drawing.coords.starts.empty() && drawing.coords.ends.empty());
    }
}

TEST(DrawPieTest, NegativeValuesStillGivePointsOnTheSquare)
{
    const Drawing drawing = DrawSplash({3, -1, -Largest, Largest});
    ASSERT_EQ(drawing.coords.count, 4);
    for (const PiePoint point : drawing.coords.ends) {
        EXPECT_TRUE(point.x >= Splash.left && point.x <= Splash.right);
        EXPECT_TRUE(point.y >= Splash.top && point.y <= Splash.bottom);
    }
}
