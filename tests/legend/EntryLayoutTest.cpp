#include "EntryLayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(EntryLayout, NamesLoseTheirMiddleToTheirRoomWhichAWiderLegendWidens)
{
    const QFontMetricsF metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const EntryLayout windows = LayOutEntry("WINDOWS", "12,345,678", metrics, FirstLegendWidth);
    EXPECT_EQ(windows.name, "WINDOWS");
    EXPECT_DOUBLE_EQ(windows.sizeLeft, 16 * column) << "the size ends in column 26";
    EXPECT_EQ(LayOutEntry("ABCDEFGHIJKLMN", "12,345,678,901", metrics, FirstLegendWidth).name, "ABCDE...KLMN");

    const QString name = "node_modules_of_the_big_project";
    QString previous;
    for (const int extraColumns : {0, 6, 13}) {
        const int width = FirstLegendWidth + static_cast<int>(std::ceil(extraColumns * column));
        const EntryLayout layout = LayOutEntry(name, "1.2 GiB", metrics, width);
        EXPECT_TRUE(extraColumns == 13 ? layout.name == name
                                       : layout.name.startsWith("node_mo") && layout.name.contains("...")
                            && layout.name.endsWith("project"))
            << layout.name.toStdString();
        EXPECT_GT(layout.name.size(), previous.size()) << extraColumns;
        previous = layout.name;
    }
}

} // namespace
