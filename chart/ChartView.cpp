#include "ChartView.h"

#include "PieMarkers.h"
#include "SliceHitTest.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QRect MarkerSquareAt(PiePoint point)
{
    return MarkerSquare(QPoint(point.x, point.y));
}

} // namespace

ChartView::ChartView(QWidget* parent) : DirectoryView(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right press asks for the menu itself; the window must not be asked again.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ChartView::SetBounds(int left, int top, int right, int bottom)
{
    pie.SetBounds(left, top, right, bottom);
    const PieRect square = pie.Bounds();
    setGeometry(0, 0, square.right + kMarkerHalf + 1, square.bottom + kMarkerHalf + 1);
    ForgetPicture();
    update();
}

void ChartView::Place(const QRect& bounds)
{
    SetBounds(bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height());
}

void ChartView::ShowInPicture(const ShownDirectory& shown)
{
    if (shown.entries)
        SetValues(shown.entries->sizes, shown.entries->places);
    else
        Clear();
    if (!shown.entries)
        return;
    const std::vector<DirNode>& nodes = shown.entries->nodes;
    for (std::size_t slice = 0; slice < nodes.size(); ++slice)
        if (nodes[slice] && nodes[slice].unreadable())
            unreadableSlices.push_back(static_cast<int>(slice));
}

void ChartView::SetValues(const std::vector<std::int64_t>& values, const std::vector<int>& places)
{
    const std::vector<QRect> oldMarkers = MarkerRects();
    if (values.empty())
        pie.Clear();
    else
        pie.SetValues(values, places);
    starts.clear();
    ends.clear();
    unreadableSlices.clear();
    markedSlice = -1;
    ForgetPicture();
    update();
}

void ChartView::SetMarkedSlice(int slice)
{
    if (slice == markedSlice)
        return;
    const std::vector<QRect> before = MarkerRects();
    markedSlice = slice;
    RepaintSquares(before);
    RepaintSquares(MarkerRects());
}

std::vector<QRect> ChartView::MarkerRects() const
{
    if (markedSlice < 0 || markedSlice >= static_cast<int>(starts.size()))
        return {};
    return {MarkerSquareAt(starts[static_cast<std::size_t>(markedSlice)]),
            MarkerSquareAt(ends[static_cast<std::size_t>(markedSlice)])};
}

// Moving the markers repaints only the squares they leave and enter.
void ChartView::RepaintSquares(const std::vector<QRect>& squares)
{
    for (const QRect& square : squares)
        update(square);
}

int ChartView::SliceUnder(const QPoint& point) const
{
    const PiePoint at{point.x(), point.y()};
    if (starts.empty() || !pie.Contains(at))
        return -1;
    return SliceAt(pie, at, starts, ends);
}

void ChartView::DrawPicture(QPainter& painter)
{
    const bool hadPoints = !starts.empty();
    QPainterPieCanvas canvas(painter, palette().color(QPalette::WindowText));
    const RtnCoords coords = pie.Draw(canvas);
    starts = coords.starts;
    ends = coords.ends;
    for (const int slice : unreadableSlices)
        HatchSlice(canvas, slice);
    // A selection made before the first drawing gets its markers now.
    if (!hadPoints && !MarkerRects().empty())
        RepaintSquares(MarkerRects());
}

// Equal rim points stand for the whole circle only when the slice is all of it.
void ChartView::HatchSlice(QPainterPieCanvas& canvas, int slice) const
{
    const auto at = static_cast<std::size_t>(slice);
    if (at >= starts.size() || (starts[at] == ends[at] && pie.Angles()[at] < 180.0f))
        return;
    canvas.SelectHatch(pie.ColorOf(slice));
    canvas.Pie(pie.Bounds(), ends[at], starts[at]);
}

void ChartView::DrawOverPicture(QPainter& painter)
{
    for (const QRect& square : MarkerRects())
        DrawMarker(painter, square);
}

// Goes down into the slice's sub-directory, as a double-click on its legend
// entry does.
void ChartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int slice = event->button() == Qt::LeftButton ? SliceUnder(event->position().toPoint()) : -1;
    if (slice >= 0)
        emit EntryDoubleClicked(slice);
}
