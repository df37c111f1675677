#pragma once

#include <QString>

class QFontMetricsF;

// Where a legend entry's name, size and share go, in pixels from the text's
// left.
struct EntryLayout {
    QString name; // the name as it fits its room
    qreal sizeLeft = 0;
    qreal shareLeft = 0;
};

// An entry's share in its column at the entry's right: the share, the widest
// share of the legend (whose room every entry keeps, so that the sizes stay
// aligned) and where the entry ends, in pixels from the text's left.
struct ShareColumn {
    QString share;
    QString widest;
    qreal right = 0;
};

// At the legend's first width the name has 12 columns of the fixed-pitch
// font and the size ends in column 26; a wider legend gives its extra width
// to the name. A name wider than its room loses its middle; a size wider
// than its own room pushes on past column 26 rather than cover the name.
// With a share, the share ends at the entry's end and the size one column
// before the share's room, and the name has everything up to one column
// before the size: it gives way to the share before the size does.
// Widths are measured, not counted in characters, so a name of wide
// characters (CJK, emoji) leaves the sizes aligned.
EntryLayout LayOutEntry(const QString& name, const QString& size, const QFontMetricsF& metrics, int legendWidth,
                        const ShareColumn& share = {});

// The legend's width at the window's first size.
constexpr int FirstLegendWidth = 250;
