#pragma once

#include <QFont>

// The serif face of the program's small buttons and titles: Times New Roman,
// or Liberation Serif (its metric twin) where Times New Roman is missing.
QFont SerifFont();

// The font at the largest pixel size whose character cell (ascent plus
// descent) is at most cellHeight pixels: a font asked for by its cell height.
QFont FontWithCellHeight(QFont font, int cellHeight);

// The font stretched so that its characters are averageWidth pixels wide on
// average (or as near as whole stretch steps come): a font asked for by its
// character width as well as its height.
QFont FontWithAverageWidth(QFont font, int averageWidth);
