#include "ProgramFonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <cstdlib>

QFont SerifFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont FontWithCellHeight(QFont font, int cellHeight)
{
    for (int pixelSize = cellHeight; pixelSize > 1; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).height() <= cellHeight)
            return font;
    }
    font.setPixelSize(1);
    return font;
}

QFont FontWithAverageWidth(QFont font, int averageWidth)
{
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural <= 0 || averageWidth <= 0)
        return font;
    // Stretch scales widths only roughly in proportion; the steps around the
    // estimate decide.
    const int estimate = qRound(100.0 * averageWidth / natural);
    int best = estimate;
    int bestError = -1;
    for (int stretch = qMax(1, estimate - 3); stretch <= estimate + 3; ++stretch) {
        font.setStretch(stretch);
        const int error = std::abs(QFontMetrics(font).averageCharWidth() - averageWidth);
        if (bestError < 0 || error < bestError) {
            best = stretch;
            bestError = error;
        }
    }
    font.setStretch(best);
    return font;
}
