#pragma once

#include <QString>

class QFontMetricsF;

// Where a legend entry's name and size go, in pixels from the text's left.
struct EntryLayout {
    QString name; // the name as it fits its room
    qreal sizeLeft = 0;
};

// At the legend's first width the name has 12 columns of the fixed-pitch
// font and the size ends in column 26; a wider legend gives its extra width
// to the name. A name wider than its room loses its middle; a size wider
// than its own room pushes on past column 26 rather than cover the name.
// Widths are measured, not counted in characters, so a name of wide
// characters (CJK, emoji) leaves the sizes aligned.
EntryLayout LayOutEntry(const QString& name, const QString& size, const QFontMetricsF& metrics, int legendWidth);

// The legend's width at the window's first size.
constexpr int FirstLegendWidth = 250;
