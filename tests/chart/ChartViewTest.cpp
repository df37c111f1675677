#include "ChartView.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Records the areas a widget is asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The main window's chart at its first size: square (20, 20, 337, 337),
// three slices of a quarter, a quarter and a half.
class ChartViewTest : public ::testing::Test {
protected:
    ChartViewTest() : chart(new ChartView(&window))
    {
        window.resize(634, 453);
        chart->SetBounds(20, 20, 337, 473);
        chart->SetValues({1, 1, 2});
    }
    void Show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

    QWidget window;
    ChartView* chart;
};

TEST_F(ChartViewTest, MarkersStandOnTheRimPointsOfTheMarkedSliceOnceDrawn)
{
    chart->SetMarkedSlice(1);
    EXPECT_TRUE(chart->MarkerRects().empty()) << "no points before the first drawing";
    chart->grab();
    EXPECT_EQ(chart->DrawnSlices(), 3);
    const std::vector<QRect> squares = chart->MarkerRects();
    ASSERT_EQ(squares.size(), 2u);
    for (const QRect& square : squares) {
        const QPointF fromCentre = QPointF(square.topLeft() + QPoint(5, 5)) - QPointF(178.5, 178.5);
        EXPECT_NEAR(std::hypot(fromCentre.x(), fromCentre.y()), 158.5, 1.5) << "on the rim";
    }
    chart->SetMarkedSlice(0);
    EXPECT_EQ(chart->MarkerRects().at(1), squares.at(0)) << "a slice starts where the one before ends";
    chart->SetValues({5});
    EXPECT_TRUE(chart->MarkerRects().empty()) << "new values clear the marks";
}

TEST_F(ChartViewTest, MovingTheMarkersRepaintsOnlyTheirOldAndNewSquares)
{
    chart->SetMarkedSlice(0);
    Show();
    PaintRecorder recorder;
    chart->installEventFilter(&recorder);
    const std::vector<QRect> before = chart->MarkerRects();
    chart->SetMarkedSlice(2);
    const std::vector<QRect> after = chart->MarkerRects();
    QCoreApplication::processEvents();
    QRegion squares;
    for (const QRect& square : before)
        squares += square;
    for (const QRect& square : after)
        squares += square;
    EXPECT_EQ(recorder.painted, squares);
}

TEST_F(ChartViewTest, PaintsTheCrossOpaquelyAroundBothPoints)
{
    const char* rows[] = {"SSSKKKKSSS", "SSSKGGKSSS", "SSSKGGKSSS", "KKKKGGKKKK", "KGGGGGGGGK",
                          "KGGGGGGGGK", "KKKKGGKKKK", "SSSKGGKSSS", "SSSKGGKSSS", "SSSKKKKSSS"};
    chart->grab();
    chart->SetMarkedSlice(0);
    const QImage shown = chart->grab().toImage();
    ASSERT_EQ(chart->MarkerRects().size(), 2u);
    for (const QRect& square : chart->MarkerRects())
        for (int pixel = 0; pixel < 100; ++pixel) {
            const char code = rows[pixel / 10][pixel % 10];
            const int grey = code == 'K' ? 0 : code == 'G' ? 128 : 192;
            EXPECT_EQ(shown.pixelColor(square.topLeft() + QPoint(pixel % 10, pixel / 10)), QColor(grey, grey, grey))
                << pixel;
        }
}

TEST_F(ChartViewTest, ClicksAndDoubleClicksNameTheSliceUnderThePointer)
{
    chart->grab();
    QSignalSpy clicked(chart, &ChartView::EntryClicked);
    QSignalSpy doubleClicked(chart, &ChartView::EntryDoubleClicked);
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(178, 320)); // the half, at the bottom
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(5, 5));     // off the pie
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    QTest::mouseDClick(chart, Qt::LeftButton, {}, QPoint(320, 178));
    ASSERT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked.at(0).at(0).toInt(), 1);
}

} // namespace
