#pragma once

#include <QString>

class QFontMetricsF;

// The text as it fits width pixels of a font: whole if it fits, otherwise
// its start and its end around "..." ("/mnt/sandbox...model_t"), with as
// much of both as fits. Characters outside the Basic Multilingual Plane stay
// whole.
QString ElidedInMiddle(const QString& text, const QFontMetricsF& metrics, qreal width);

// The text with a line break wherever a line would grow wider than width
// pixels of a font, so that a name without spaces still wraps.
QString WrappedToWidth(const QString& text, const QFontMetricsF& metrics, qreal width);

// The text of a tooltip with a line break wherever a line would run off the
// primary screen, in the tooltips' font.
QString WrappedToScreen(const QString& text);
