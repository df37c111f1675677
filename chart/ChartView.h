#pragma once

#include "DirectoryView.h"
#include "DrawPie.h"
#include "PiePoint.h"
#include "QPainterPieCanvas.h"

#include <QRect>

#include <cstdint>
#include <vector>

// The pie chart of the directory on display, as a widget: it draws the pie
// once per set of values (at the device's resolution), puts two cross
// markers on the rim points of the marked slice, and finds the slice under
// the pointer for clicks and tooltips. Its coordinates are the main window's:
// it sits at the window's top-left corner.
class ChartView : public DirectoryView {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent);

    void Place(const QRect& bounds) override;

    // The rectangle the chart's square is fitted into; the widget grows to
    // hold the square and the markers on its rim.
    void SetBounds(int left, int top, int right, int bottom);
    // One slice per value, coloured by its place in the listing, none
    // hatched; an empty list is the whole disc of colour 0.
    void SetValues(const std::vector<std::int64_t>& values, const std::vector<int>& places = {});
    void Clear() { SetValues({}); }

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
    int EntryAt(const QPoint& point) const override { return SliceUnder(point); }

protected:
    // One slice per entry; those of directories that could not be read whole
    // are hatched.
    void ShowInPicture(const ShownDirectory& shown) override;
    void MarkInPicture(int entry) override { SetMarkedSlice(entry); }
    void DrawPicture(QPainter& painter) override;
    void DrawOverPicture(QPainter& painter) override;
    QString ToolTipAt(const QPoint& point) const override { return ToolTipOf(SliceUnder(point)); }
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void RepaintSquares(const std::vector<QRect>& squares);
    void HatchSlice(QPainterPieCanvas& canvas, int slice) const;

    DrawPie pie;
    std::vector<PiePoint> starts;
    std::vector<PiePoint> ends;
    std::vector<int> unreadableSlices;
    int markedSlice = -1;
};
