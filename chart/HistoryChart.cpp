#include "HistoryChart.h"

#include "LocalNumbers.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kMargin = 12;
constexpr qreal kDotRadius = 3.5;

QString DayText(std::int64_t time)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(time, Qt::UTC), QStringLiteral("d MMM yyyy"));
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 180);
    setAccessibleName(tr("Used bytes over the recordings"));
}

void HistoryChart::SetPoints(std::vector<Point> newPoints)
{
    points = std::move(newPoints);
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const Point& a, const Point& b) { return a.bytes < b.bytes; });
    lowBytes = points.empty() ? 0 : low->bytes;
    highBytes = points.empty() ? 0 : high->bytes;
    const int last = static_cast<int>(points.size()) - 1;
    Choose(std::max(last - 1, 0), last);
}

void HistoryChart::Choose(int newFrom, int newTo)
{
    from = std::min(newFrom, newTo);
    to = std::max(newFrom, newTo);
    update();
    emit Chosen(from, to);
}

QRectF HistoryChart::PlotArea() const
{
    const qreal left = fontMetrics().horizontalAdvance(LocalBytes(999'999'999'999)) + kMargin;
    const qreal bottom = fontMetrics().height() + kMargin;
    return QRectF(left, kMargin, width() - left - kMargin, height() - kMargin - bottom);
}

QPointF HistoryChart::DotAt(int index) const
{
    const QRectF area = PlotArea();
    const std::int64_t first = points.front().time;
    const std::int64_t span = std::max<std::int64_t>(points.back().time - first, 1);
    const std::int64_t range = std::max<std::int64_t>(highBytes - lowBytes, 1);
    const Point& point = points[static_cast<std::size_t>(index)];
    const qreal x = points.size() == 1 ? area.center().x()
                                       : area.left() + area.width() * qreal(point.time - first) / qreal(span);
    return {x, area.bottom() - area.height() * qreal(point.bytes - lowBytes) / qreal(range)};
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = PlotArea();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    if (points.empty()) {
        painter.drawText(area, Qt::AlignCenter, tr("No recordings yet"));
        return;
    }
    const QRectF side(0, 0, area.left() - kMargin / 2, height());
    painter.drawText(QRectF(side.left(), area.top() - 4, side.width(), 20), Qt::AlignRight | Qt::AlignTop,
                     LocalBytes(highBytes));
    painter.drawText(QRectF(side.left(), area.bottom() - 16, side.width(), 20), Qt::AlignRight | Qt::AlignBottom,
                     LocalBytes(lowBytes));
    const QRectF below(area.left(), area.bottom() + 2, area.width(), fontMetrics().height() + kMargin);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, DayText(points.front().time));
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, DayText(points.back().time));

    QPolygonF line;
    for (int i = 0; i < static_cast<int>(points.size()); ++i)
        line << DotAt(i);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPolyline(line);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (const QPointF& dot : line)
        painter.drawEllipse(dot, kDotRadius, kDotRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    for (const auto& [index, label] : {std::pair{from, QStringLiteral("A")}, std::pair{to, QStringLiteral("B")}}) {
        const QPointF dot = DotAt(index);
        const qreal ring = 3 * kDotRadius;
        painter.drawEllipse(dot, ring, ring);
        // The letter stands beside its ring on the side of the plot's centre,
        // so that a ring at an edge keeps its letter in sight.
        const QSizeF size(fontMetrics().horizontalAdvance(label), fontMetrics().height());
        const QPointF corner(dot.x() < area.center().x() ? dot.x() + ring : dot.x() - ring - size.width(),
                             dot.y() < area.center().y() ? dot.y() + ring : dot.y() - ring - size.height());
        painter.drawText(QRectF(corner, size), Qt::AlignCenter, label);
    }
}

int HistoryChart::NearestDot(QPointF at) const
{
    int nearest = -1;
    qreal best = 0;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        const qreal distance = std::abs(DotAt(i).x() - at.x());
        if (nearest < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

void HistoryChart::mousePressEvent(QMouseEvent* event)
{
    const int chosen = NearestDot(event->position());
    if (chosen < 0 || chosen == from || chosen == to)
        return;
    // The ring nearer in time moves to the dot clicked.
    const bool moveFrom = std::abs(chosen - from) < std::abs(chosen - to);
    Choose(moveFrom ? chosen : from, moveFrom ? to : chosen);
}
