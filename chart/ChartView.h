#pragma once

#include "DrawPie.h"
#include "PiePoint.h"

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

// The pie chart of the directory on display, as a widget: it draws the pie
// once per set of values (at the device's resolution), puts two cross
// markers on the rim points of the marked slice, and finds the slice under
// the pointer for clicks and tooltips. Its coordinates are the main window's:
// it sits at the window's top-left corner.
class ChartView : public QWidget {
    Q_OBJECT

public:
    // What a slice's tooltip says; empty for none.
    using ToolTipText = std::function<QString(int slice)>;

    explicit ChartView(QWidget* parent);

    // The rectangle the chart's square is fitted into; the widget grows to
    // hold the square and the markers on its rim.
    void SetBounds(int left, int top, int right, int bottom);
    // One slice per value; an empty list is the whole disc of colour 0.
    void SetValues(const std::vector<std::int64_t>& values);
    void Clear() { SetValues({}); }
    void SetToolTipText(ToolTipText text) { toolTipText = std::move(text); }

    // The slice whose markers show; -1 for none.
    void SetMarkedSlice(int slice);
    // The 10 x 10 squares covered by markers: none, or the marked slice's
    // start and end squares, once the chart has been drawn.
    std::vector<QRect> MarkerRects() const;

    const DrawPie& Pie() const { return pie; }
    // The slices of the last drawing; 0 before it.
    int DrawnSlices() const { return static_cast<int>(starts.size()); }
    // The slice under point, -1 off the chart or before the first drawing.
    int SliceUnder(const QPoint& point) const;

signals:
    void SliceClicked(int slice);
    void SliceDoubleClicked(int slice);
    // A right press at globalPosition asks for a menu on slice; -1 off the pie.
    void ContextMenuRequested(int slice, const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void DrawPicture(qreal ratio);
    void RepaintSquares(const std::vector<QRect>& squares);

    DrawPie pie;
    // The chart as last drawn; null when the values or the bounds have
    // changed since.
    QPixmap picture;
    std::vector<PiePoint> starts;
    std::vector<PiePoint> ends;
    int markedSlice = -1;
    ToolTipText toolTipText;
};
