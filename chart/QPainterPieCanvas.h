#pragma once

#include "PieCanvas.h"

#include <QColor>

class QPainter;

// The Qt form of a slice colour.
QColor ToQColor(SliceColor color);

// Draws the chart with a QPainter the way the chart expects of a pie
// primitive: aliased, solid fill, a 1-pixel outline, and the square's right
// and bottom edges exclusive. The outline is the window's text colour, black
// on a light window, so that the black slice keeps its edge on a dark one.
// The painter's state is restored when the canvas goes.

class QPainterPieCanvas : public PieCanvas {
public:
    QPainterPieCanvas(QPainter& target, const QColor& outline);
    ~QPainterPieCanvas() override;
    QPainterPieCanvas(const QPainterPieCanvas&) = delete;
    QPainterPieCanvas& operator=(const QPainterPieCanvas&) = delete;

    void SelectBrush(SliceColor color) override;
    void Pie(const PieRect& square, PiePoint first, PiePoint second) override;

private:
    QPainter& painter;
};
