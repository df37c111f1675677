#include "EntryLayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class EntryLayoutTest : public ::testing::Test {
protected:
    const QFontMetricsF metrics{QFontDatabase::systemFont(QFontDatabase::FixedFont)};
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
};

TEST_F(EntryLayoutTest, AtTheFirstWidthShortNamesKeepTheirPlaceAndLongOnesLoseTheirMiddle)
{
    const EntryLayout windows = LayOutEntry("WINDOWS", "12,345,678", metrics, FirstLegendWidth);
    EXPECT_EQ(windows.name, "WINDOWS");
    EXPECT_DOUBLE_EQ(windows.sizeLeft, 16 * column) << "the size ends in column 26";

    const EntryLayout full = LayOutEntry("ABCDEFGHIJKLMN", "12,345,678,901", metrics, FirstLegendWidth);
    EXPECT_EQ(full.name, "ABCDE...KLMN");
    EXPECT_DOUBLE_EQ(full.sizeLeft, 12 * column);
}

TEST_F(EntryLayoutTest, AWiderLegendShowsMoreOfTheName)
{
    const QString name = "node_modules_of_the_big_project";
    QString previous;
    for (const int extraColumns : {0, 6, 12}) {
        const int width = FirstLegendWidth + static_cast<int>(std::ceil(extraColumns * column));
        const EntryLayout layout = LayOutEntry(name, "1.2 GiB", metrics, width);
        EXPECT_TRUE(layout.name.startsWith("node_mo")) << layout.name.toStdString();
        EXPECT_TRUE(layout.name.endsWith("project")) << layout.name.toStdString();
        EXPECT_TRUE(layout.name.contains("...")) << layout.name.toStdString();
        EXPECT_GT(layout.name.size(), previous.size()) << extraColumns;
        EXPECT_LT(metrics.horizontalAdvance(layout.name), layout.sizeLeft);
        previous = layout.name;
    }
    EXPECT_EQ(LayOutEntry(name, "1.2 GiB", metrics, FirstLegendWidth + static_cast<int>(std::ceil(13 * column))).name, name);
}

} // namespace
