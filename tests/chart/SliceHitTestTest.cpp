#include "DrawPie.h"
#include "RecordingCanvas.h"
#include "SliceHitTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr float RightAngle = static_cast<float>(M_PI / 2);

// The main window's chart: bounds (20, 20, 337, 337), centre (178, 178).
class SliceHitTest : public ::testing::Test {
protected:
    SliceHitTest() { chart.SetBounds(20, 20, 337, 337); }

    RtnCoords DrawSlices(const std::vector<std::int64_t>& values)
    {
        chart.SetValues(values);
        RecordingCanvas canvas;
        return chart.Draw(canvas);
    }

    int SliceAt(PiePoint point, const RtnCoords& coords) const
    {
        return ::SliceAt(chart, point, coords.starts, coords.ends);
    }

    int SectorAt(PiePoint point) const
    {
        bool pastStart = false;
        const int quadrant = chart.Quadrant(point, &pastStart);
        return SectorOf(quadrant, pastStart);
    }

    DrawPie chart;
};

} // namespace

TEST_F(SliceHitTest, QuadrantOffsetsAreMeasuredClockwiseFromEachAxis)
{
    const std::vector<std::pair<PiePoint, std::pair<int, int>>> cases{{{170, 160}, {18, 8}},
                                                                      {{190, 160}, {12, 18}},
                                                                      {{170, 190}, {8, 12}},
                                                                      {{190, 190}, {12, 12}},
                                                                      {{178, 178}, {0, 0}}};
    for (const auto& [point, offsets] : cases) {
        const DrawPie::Offsets actual = chart.QuadrantOffsets(point);
        EXPECT_EQ(actual.first, offsets.first) << point.x << "," << point.y;
        EXPECT_EQ(actual.second, offsets.second) << point.x << "," << point.y;
    }
}

TEST_F(SliceHitTest, QuadrantsCountTheAxesAsLeftAndUpper)
{
    EXPECT_EQ(chart.Quadrant({178, 178}), 1);
    EXPECT_EQ(chart.Quadrant({178, 400}), 3);
    EXPECT_EQ(chart.Quadrant({337, 178}), 2);
    EXPECT_EQ(chart.Quadrant({179, 179}), 4);

    bool pastStart = true;
    EXPECT_EQ(chart.Quadrant({178, 178}, &pastStart), 1);
    EXPECT_FALSE(pastStart);
    EXPECT_EQ(chart.QuadrantAngle({178, 178}), 0.0f);
    EXPECT_EQ(chart.Quadrant({20, 178}, &pastStart), 1);
    EXPECT_TRUE(pastStart);
    EXPECT_EQ(chart.QuadrantAngle({20, 178}), RightAngle);
    EXPECT_EQ(chart.Quadrant({300, 300}, &pastStart), 4);
    EXPECT_TRUE(pastStart) << "written only for quadrant 1";
}

TEST_F(SliceHitTest, SectorsFollowThePieClockwiseFromItsStart)
{
    EXPECT_EQ(SectorOf(1, false), 1);
    EXPECT_EQ(SectorOf(2, false), 2);
    EXPECT_EQ(SectorOf(4, false), 3);
    EXPECT_EQ(SectorOf(3, false), 4);
    EXPECT_EQ(SectorOf(1, true), 5);
    EXPECT_EQ(SectorAt({178, 178}), 1);
    EXPECT_EQ(SectorAt(chart.EdgePoint(0)), 1);
    EXPECT_EQ(SectorAt({20, 178}), 5);
}

TEST_F(SliceHitTest, ContainsReachesTheRimAndNoFurther)
{
    EXPECT_TRUE(chart.Contains({178, 178}));
    EXPECT_TRUE(chart.Contains({178, 20}));
    EXPECT_FALSE(chart.Contains({178, 19}));
    EXPECT_TRUE(chart.Contains({20, 178}));
    EXPECT_FALSE(chart.Contains({10, 178}));
    EXPECT_FALSE(chart.Contains({178, 400}));
    EXPECT_FALSE(chart.Contains({337, 178}));
    EXPECT_TRUE(chart.Contains({290, 290}));
    EXPECT_FALSE(chart.Contains({291, 291}));

    DrawPie small;
    small.SetBounds(0, 0, 24, 24);
    EXPECT_TRUE(small.Contains({0, 7})) << "offsets 5 and 12 come out as 12, not 13";
    EXPECT_FALSE(small.Contains({1, 25}));
}

TEST_F(SliceHitTest, TwoEqualSlicesSplitAtTheDiagonal)
{
    const RtnCoords coords = DrawSlices({1, 1});
    ASSERT_EQ(coords.starts, (std::vector<PiePoint>{{66, 66}, {289, 291}}));
    EXPECT_EQ(SliceAt({66, 66}, coords), 0);
    EXPECT_EQ(SliceAt({178, 178}, coords), 0);
    EXPECT_EQ(SliceAt({150, 40}, coords), 0);
    EXPECT_EQ(SliceAt({250, 100}, coords), 0);
    EXPECT_EQ(SliceAt({300, 200}, coords), 0);
    EXPECT_EQ(SliceAt({289, 291}, coords), 1);
    EXPECT_EQ(SliceAt({200, 300}, coords), 1);
    EXPECT_EQ(SliceAt({100, 250}, coords), 1);
    EXPECT_EQ(SliceAt({30, 150}, coords), 1);
}

TEST_F(SliceHitTest, TheCentreBelongsToTheSliceStartingAtTwelve)
{
    const RtnCoords coords = DrawSlices(std::vector<std::int64_t>(8, 1));
    ASSERT_EQ(coords.starts[1], (PiePoint{178, 20}));
    EXPECT_EQ(SliceAt({178, 178}, coords), 1);
    EXPECT_EQ(SliceAt({170, 100}, coords), 0);
}

TEST_F(SliceHitTest, EmptySlicesAreNeverFound)
{
    const RtnCoords coords = DrawSlices({1, 0, 1});
    EXPECT_EQ(SliceAt({289, 291}, coords), 2);
    EXPECT_EQ(SliceAt({100, 250}, coords), 2);
    EXPECT_EQ(SliceAt({250, 100}, coords), 0);

    const RtnCoords none = DrawSlices(std::vector<std::int64_t>(361, 0));
    EXPECT_EQ(SliceAt({100, 250}, none), 0);
    EXPECT_EQ(SliceAt({100, 250}, RtnCoords{}), 0);
}

TEST_F(SliceHitTest, OnlySlicesWithBothPointsAreLookedAt)
{
    const RtnCoords coords = DrawSlices({1, 1});
    EXPECT_EQ(::SliceAt(chart, {100, 250}, coords.starts, {coords.ends[0]}), 0);
    EXPECT_EQ(::SliceAt(chart, {100, 250}, {coords.starts[0]}, coords.ends), 0);
}
