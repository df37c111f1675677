#pragma once

#include <QPoint>
#include <QRect>

class QPainter;

// The cross a picture puts on a rim point of the selected entry: a 10 x 10
// square centred on the point.
inline constexpr int kMarkerSize = 10;
inline constexpr int kMarkerHalf = kMarkerSize / 2;

QRect MarkerSquare(const QPoint& point);
// Paints the marker bitmap into square, pixel for pixel at any screen scale.
void DrawMarker(QPainter& painter, const QRect& square);
