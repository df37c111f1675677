#include "PieMarkers.h"

#include "KelmoResources.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <vector>

namespace {

struct MarkerRun {
    QRect rect; // relative to the marker's top-left corner
    QColor color;
};

// The marker bitmap as runs of equal pixels in each row. Painting these as
// rectangles keeps the cross sharp at any screen scale, where the bitmap
// itself would be scaled up.
const std::vector<MarkerRun>& MarkerRuns()
{
    static const std::vector<MarkerRun> runs = [] {
        InitKelmoResources();
        const QImage image(QStringLiteral(":/kelmo/marker.png"));
        std::vector<MarkerRun> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width();) {
                const QColor color = image.pixelColor(x, y);
                int end = x + 1;
                while (end < image.width() && image.pixelColor(end, y) == color)
                    ++end;
                found.push_back({QRect(x, y, end - x, 1), color});
                x = end;
            }
        return found;
    }();
    return runs;
}

} // namespace

QRect MarkerSquare(const QPoint& point)
{
    return QRect(point.x() - kMarkerHalf, point.y() - kMarkerHalf, kMarkerSize, kMarkerSize);
}

void DrawMarker(QPainter& painter, const QRect& square)
{
    for (const MarkerRun& run : MarkerRuns())
        painter.fillRect(run.rect.translated(square.topLeft()), run.color);
}
