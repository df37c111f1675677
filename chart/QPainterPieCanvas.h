#pragma once

#include "PieCanvas.h"

#include <QBrush>
#include <QColor>

class QPainter;

// Draws the chart with a QPainter the way the chart expects of a pie
// primitive: aliased, solid fill, 1-pixel black outline, and the square's
// right and bottom edges exclusive. The painter's state is restored when the
// canvas goes.
// The Qt form of a slice colour.
QColor ToQColor(SliceColor color);
// The hatching laid over the colour of a directory that could not be read
// whole, on its slice and its swatch alike: lines that stand out from it.
QBrush UnreadableHatch(const QColor& under);

class QPainterPieCanvas : public PieCanvas {
public:
    explicit QPainterPieCanvas(QPainter& target);
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
