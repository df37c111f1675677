#pragma once

#include "PieCanvas.h"

#include <QColor>

class QPainter;

// Draws the chart with a QPainter the way the chart expects of a pie
// primitive: aliased, solid fill, 1-pixel black outline, and the square's
// right and bottom edges exclusive. The painter's state is restored when the
// canvas goes.
// The Qt form of a slice colour.
QColor ToQColor(SliceColor color);

class QPainterPieCanvas : public PieCanvas {
public:
    explicit QPainterPieCanvas(QPainter& target);
    ~QPainterPieCanvas() override;
    QPainterPieCanvas(const QPainterPieCanvas&) = delete;
    QPainterPieCanvas& operator=(const QPainterPieCanvas&) = delete;

    void SelectBrush(SliceColor color) override;
    void Pie(const PieRect& square, PiePoint first, PiePoint second) override;

private:
    QPainter& painter;
};
