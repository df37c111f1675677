#pragma once

#include "PieCanvas.h"

#include <QBrush>
#include <QColor>

class QPainter;

// The Qt form of a slice colour.
QColor ToQColor(SliceColor color);
// The hatching laid over the colour of a directory that could not be read
// whole, on its slice and its swatch alike: lines that stand out from it.
QBrush UnreadableHatch(const QColor& under);

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
    // The following Pie calls hatch the wedge over what it shows.
    void SelectHatch(SliceColor under);
    void Pie(const PieRect& square, PiePoint first, PiePoint second) override;

private:
    QPainter& painter;
};
