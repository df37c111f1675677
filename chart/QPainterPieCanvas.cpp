#include "QPainterPieCanvas.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <cmath>

namespace {

constexpr int SixteenthsPerDegree = 16;

// The chart's squares exclude their right and bottom edges; a QRect of one
// less in each direction puts the outline on the last pixels inside.
QRectF OutlineRect(const PieRect& square)
{
    return QRectF(square.left, square.top, square.right - square.left - 1, square.bottom - square.top - 1);
}

// Direction of the ray from the square's centre through point, in degrees
// counterclockwise from 3 o'clock (screen y grows downward).
double RayDegrees(const PieRect& square, PiePoint point)
{
    const double centerX = (square.left + square.right) / 2.0;
    const double centerY = (square.top + square.bottom) / 2.0;
    return std::atan2(centerY - point.y, point.x - centerX) * 180.0 / M_PI;
}

// Counterclockwise sweep from one direction to the other, in (0, 360].
double CounterclockwiseSweep(double fromDegrees, double toDegrees)
{
    const double sweep = std::fmod(toDegrees - fromDegrees, 360.0);
    return sweep <= 0 ? sweep + 360.0 : sweep;
}

int Sixteenths(double degrees)
{
    return static_cast<int>(std::lround(degrees * SixteenthsPerDegree));
}

} // namespace

QColor ToQColor(SliceColor color)
{
    return QColor(color.red, color.green, color.blue);
}

QBrush UnreadableHatch(const QColor& under)
{
    return QBrush(qGray(under.rgb()) < 128 ? Qt::white : Qt::black, Qt::BDiagPattern);
}

QPainterPieCanvas::QPainterPieCanvas(QPainter& target, const QColor& outline) : painter(target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outline, 1, Qt::SolidLine));
}

QPainterPieCanvas::~QPainterPieCanvas()
{
    painter.restore();
}

void QPainterPieCanvas::SelectBrush(SliceColor color)
{
    painter.setBrush(ToQColor(color));
}

void QPainterPieCanvas::SelectHatch(SliceColor under)
{
    painter.setBrush(UnreadableHatch(ToQColor(under)));
}

void QPainterPieCanvas::Pie(const PieRect& square, PiePoint first, PiePoint second)
{
    const QRectF outline = OutlineRect(square);
    if (first == second) {
        painter.drawEllipse(outline);
        return;
    }
    const double start = RayDegrees(square, first);
    const double sweep = CounterclockwiseSweep(start, RayDegrees(square, second));
    painter.drawPie(outline, Sixteenths(start), Sixteenths(sweep));
}
