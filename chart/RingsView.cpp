#include "RingsView.h"

#include "LocalNumbers.h"
#include "PieMarkers.h"
#include "QPainterPieCanvas.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The centre's radius in ring widths: the pie stays the largest part.
constexpr double kCentreWidths = 1.5;
// The pie's start diagonal, in Qt's degrees (counterclockwise from 3 o'clock).
constexpr double kStartDegrees = 135;
constexpr double kFullCircle = 360;
constexpr int kSixteenths = 16;

int Sixteenths(double degrees)
{
    return static_cast<int>(std::lround(degrees * kSixteenths));
}

bool WholeCircle(const RingSegment& segment)
{
    return segment.sweep >= kFullCircle - 1e-9;
}

} // namespace

RingsView::RingsView(QWidget* parent) : DirectoryView(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right press asks for the menu itself; the window must not be asked again.
    setContextMenuPolicy(Qt::PreventContextMenu);
    AddDepthKeys();
}

// The keys belong to the view, so they work only while the rings show.
void RingsView::AddDepthKeys()
{
    auto* more = new QAction(this);
    more->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(more, &QAction::triggered, this, [this] { ChangeDepth(rings + 1); });
    auto* fewer = new QAction(this);
    fewer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(fewer, &QAction::triggered, this, [this] { ChangeDepth(rings - 1); });
    addActions({more, fewer});
}

void RingsView::ChangeDepth(int depth)
{
    const int before = rings;
    SetDepth(depth);
    if (rings != before)
        emit DepthChanged(rings);
}

void RingsView::SetDepth(int depth)
{
    const int clamped = std::clamp(depth, RingLayout::kFewestRings, RingLayout::kMostRings);
    if (clamped == rings)
        return;
    rings = clamped;
    Relayout();
}

// Anchored at the top-left of bounds, as the pie's square is.
void RingsView::Place(const QRect& bounds)
{
    const int radius = std::min(bounds.width(), bounds.height()) / 2;
    centre = QPointF(bounds.left() + radius, bounds.top() + radius);
    outerRadius = std::max(radius - 1, 0);
    setGeometry(0, 0, bounds.left() + 2 * radius + kMarkerHalf + 1, bounds.top() + 2 * radius + kMarkerHalf + 1);
    ForgetPicture();
    update();
}

void RingsView::ShowInPicture(const ShownDirectory& directory)
{
    shown = directory;
    markedEntry = -1;
    Relayout();
}

void RingsView::Relayout()
{
    layout.Lay({shown.directory, shown.entries.get(), shown.order}, rings);
    ForgetPicture();
    update();
}

void RingsView::MarkInPicture(int entry)
{
    if (entry == markedEntry)
        return;
    markedEntry = entry;
    update();
}

double RingsView::InnerRadius(int ring) const
{
    return ring == 0 ? 0 : OuterRadius(ring - 1);
}

double RingsView::OuterRadius(int ring) const
{
    return outerRadius * (kCentreWidths + ring) / (kCentreWidths + rings);
}

QRectF RingsView::Circle(double radius) const
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

QPointF RingsView::PointAtRadius(double radius, double angle) const
{
    const double radians = (kStartDegrees - angle) * M_PI / 180;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QPoint RingsView::PointAt(int ring, double angle) const
{
    return PointAtRadius((InnerRadius(ring) + OuterRadius(ring)) / 2, angle).toPoint();
}

int RingsView::RingUnder(const QPoint& point) const
{
    const QPointF offset = QPointF(point) - centre;
    const double distance = std::hypot(offset.x(), offset.y());
    for (int ring = 0; ring <= rings; ++ring)
        if (distance < OuterRadius(ring))
            return ring;
    return -1;
}

// The ring comes from the distance and the segment from a binary search of
// the angle, so a pointer's move costs no walk through the segments.
const RingSegment* RingsView::SegmentUnder(const QPoint& point) const
{
    const int ring = RingUnder(point);
    if (ring < 0)
        return nullptr;
    const QPointF offset = QPointF(point) - centre;
    const double qtDegrees = std::atan2(-offset.y(), offset.x()) * 180 / M_PI;
    return layout.SegmentAt(ring, std::fmod(kStartDegrees - qtDegrees + 2 * kFullCircle, kFullCircle));
}

// The layout never holds more segments than the angle allows, so drawing
// them all stays within a frame's time for any directory.
void RingsView::DrawPicture(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::SolidLine));
    // Without entries the centre is the pie's whole disc.
    if (layout.Ring(0).empty())
        DrawSegment(painter, 0, {0, kFullCircle, 0, {}, 0, 1, SliceColorAt(0)});
    for (int ring = 0; ring <= layout.Rings(); ++ring)
        for (const RingSegment& segment : layout.Ring(ring))
            DrawSegment(painter, ring, segment);
}

void RingsView::DrawOverPicture(QPainter& painter)
{
    OutlineMarkedBranch(painter);
    for (const QRect& square : MarkerRects())
        DrawMarker(painter, square);
}

void RingsView::DrawSegment(QPainter& painter, int ring, const RingSegment& segment) const
{
    painter.setBrush(ToQColor(segment.color));
    const QRectF outer = Circle(OuterRadius(ring));
    if (ring == 0) {
        if (WholeCircle(segment))
            painter.drawEllipse(outer);
        else
            painter.drawPie(outer, Sixteenths(kStartDegrees - segment.start), -Sixteenths(segment.sweep));
        return;
    }
    const QRectF inner = Circle(InnerRadius(ring));
    QPainterPath path;
    if (WholeCircle(segment)) {
        path.addEllipse(outer);
        path.addEllipse(inner);
    } else {
        const double from = kStartDegrees - segment.start;
        path.arcMoveTo(outer, from);
        path.arcTo(outer, from, -segment.sweep);
        path.arcTo(inner, from - segment.sweep, segment.sweep);
        path.closeSubpath();
    }
    painter.drawPath(path);
}

const RingSegment* RingsView::MarkedSegment() const
{
    const std::vector<RingSegment>& centreRing = layout.Ring(0);
    const auto found = std::find_if(centreRing.begin(), centreRing.end(),
                                    [this](const RingSegment& segment) { return segment.entry == markedEntry; });
    return markedEntry >= 0 && found != centreRing.end() ? &*found : nullptr;
}

// The branch's whole wedge, centre to rim, gets a heavier outline in the
// outlines' colour, which a slice of that colour cannot hide: it runs over
// its neighbours' edges too.
void RingsView::OutlineMarkedBranch(QPainter& painter) const
{
    const RingSegment* marked = MarkedSegment();
    if (!marked || WholeCircle(*marked))
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPie(Circle(outerRadius), Sixteenths(kStartDegrees - marked->start), -Sixteenths(marked->sweep));
}

// On the outer rim, where the branch's wedge begins and ends.
std::vector<QRect> RingsView::MarkerRects() const
{
    const RingSegment* marked = MarkedSegment();
    if (!marked)
        return {};
    return {MarkerSquare(PointAtRadius(outerRadius, marked->start).toPoint()),
            MarkerSquare(PointAtRadius(outerRadius, marked->start + marked->sweep).toPoint())};
}

int RingsView::EntryAt(const QPoint& point) const
{
    const RingSegment* segment = SegmentUnder(point);
    return segment ? segment->entry : -1;
}

// The centre goes down into an entry as the pie does; a ring goes straight
// to the directory under the pointer.
void RingsView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const RingSegment* segment = SegmentUnder(at);
    if (!segment)
        return;
    if (RingUnder(at) == 0 && segment->entry >= 0)
        emit EntryDoubleClicked(segment->entry);
    else if (segment->node)
        emit DirectoryDoubleClicked(segment->node);
}

QString RingsView::ToolTipAt(const QPoint& point) const
{
    const RingSegment* segment = SegmentUnder(point);
    if (!segment)
        return {};
    if (!segment->node && segment->items > 1)
        return tr("%1 smaller directories").arg(LocalBytes(segment->items));
    return RingUnder(point) == 0 ? ToolTipOf(segment->entry) : ToolTipOf(segment->node);
}
