#include "ProgramFonts.h"

#include <QFontMetrics>
#include <QStringList>

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
