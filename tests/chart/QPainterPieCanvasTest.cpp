#include "DrawPie.h"
#include "QPainterPieCanvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const QColor Background = Qt::white;
const QColor Outline = Qt::black;

QColor Colour(int index)
{
    const SliceColor colour = SliceColorAt(index);
    return QColor(colour.red, colour.green, colour.blue);
}

// The splash's chart, bounds (200, 20, 300, 120) with centre (250, 70),
// drawn onto a white image.
QImage DrawSplashChart(const std::vector<std::int64_t>& values)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Background);
    DrawPie chart;
    chart.SetBounds(200, 20, 300, 120);
    chart.SetValues(values);
    QPainter painter(&image);
    QPainterPieCanvas canvas(painter, Qt::black);
    chart.Draw(canvas);
    return image;
}

// The pixel 35 pixels from the centre in a direction given in degrees
// clockwise from 12 o'clock.
QColor PixelTowards(const QImage& image, double clockwiseDegrees)
{
    const double radians = clockwiseDegrees * M_PI / 180;
    const int x = 250 + static_cast<int>(std::lround(35 * std::sin(radians)));
    const int y = 70 - static_cast<int>(std::lround(35 * std::cos(radians)));
    return image.pixelColor(x, y);
}

struct Expectation {
    double clockwiseDegrees;
    QColor colour;
};

void ExpectColours(const std::vector<std::int64_t>& values, const std::vector<Expectation>& expectations)
{
    const QImage image = DrawSplashChart(values);
    for (const Expectation& expected : expectations)
        EXPECT_EQ(PixelTowards(image, expected.clockwiseDegrees), expected.colour)
            << "towards " << expected.clockwiseDegrees << " degrees, " << values.size() << " values";
}

} // namespace

TEST(QPainterPieCanvasTest, SlicesRunClockwiseFromTheUpperLeftDiagonal)
{
    ExpectColours({10, 10},
                  {{-30, Colour(0)},
                   {0, Colour(0)},
                   {90, Colour(0)},
                   {120, Colour(0)},
                   {150, Colour(1)},
                   {180, Colour(1)},
                   {270, Colour(1)},
                   {300, Colour(1)}});
    ExpectColours({1, 1, 1, 1}, {{0, Colour(0)}, {90, Colour(1)}, {180, Colour(2)}, {270, Colour(3)}});
    ExpectColours({1, 3}, {{-30, Colour(0)}, {30, Colour(0)}, {60, Colour(1)}, {300, Colour(1)}});
}

TEST(QPainterPieCanvasTest, EmptyAndLeftOverSlicesShowTheBaseDisc)
{
    ExpectColours({5, 0, 5}, {{45, Colour(0)}, {225, Colour(2)}});
    ExpectColours(std::vector<std::int64_t>(7, 0),
                  {{-20, Colour(0)}, {30, Colour(1)}, {235, Colour(5)}, {285, Colour(6)}, {310, Colour(6)}});
    ExpectColours(std::vector<std::int64_t>(400, 0), {{0, Colour(0)}, {90, Colour(0)}, {250, Colour(0)}});
}

TEST(QPainterPieCanvasTest, TheDiscFillsTheSquareWithoutItsRightAndBottomEdges)
{
    const QImage image = DrawSplashChart({1});
    EXPECT_EQ(image.pixelColor(199, 70), Background);
    EXPECT_EQ(image.pixelColor(200, 70), Outline);
    EXPECT_EQ(image.pixelColor(201, 70), Colour(0));
    EXPECT_EQ(image.pixelColor(298, 70), Colour(0));
    EXPECT_EQ(image.pixelColor(299, 70), Outline);
    EXPECT_EQ(image.pixelColor(300, 70), Background);
    EXPECT_EQ(image.pixelColor(250, 19), Background);
    EXPECT_EQ(image.pixelColor(250, 20), Outline);
    EXPECT_EQ(image.pixelColor(250, 119), Outline);
    EXPECT_EQ(image.pixelColor(250, 120), Background);
}
