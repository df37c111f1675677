#include "KeyBox.h"

#include "EntryLayout.h"
#include "LegendModel.h"
#include "SliceColors.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class KeyBoxTest : public ::testing::Test {
protected:
    std::unique_ptr<KeyBox> MakeLegend(int entries, bool hasParent = true)
    {
        auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), hasParent);
        ChildList children;
        for (int i = 0; i < entries; ++i) {
            children.names.push_back("entry " + std::to_string(i));
            children.sizes.push_back(i);
        }
        if (entries > 0)
            legend->SetEntries(std::make_shared<ChildList>(children), entries, "/");
        return legend;
    }
    void ShowParent()
    {
        parent.resize(634, 453);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
    }

    QWidget parent;
};

TEST_F(KeyBoxTest, DrawsSwatchesBesideTheTextBand)
{
    auto legend = MakeLegend(9);
    legend->SetSelectedIndex(1);
    ShowParent();
    const QImage image = legend->viewport()->grab().toImage();
    const QPalette& palette = legend->palette();
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const QRect entry = legend->EntryRect(i);
        const int middle = entry.center().y();
        const SliceColor swatch = SliceColorAt(i);
        EXPECT_EQ(entry.height(), QListView().fontMetrics().height());
        EXPECT_EQ(image.pixelColor(10, middle), QColor(swatch.red, swatch.green, swatch.blue));
        EXPECT_EQ(image.pixelColor(2, entry.top() + 2), Qt::black);
        EXPECT_EQ(image.pixelColor(17, entry.bottom() - 2), Qt::black);
        for (int x : {1, 18, 19})
            EXPECT_EQ(image.pixelColor(x, middle), base);
        EXPECT_EQ(image.pixelColor(21, middle), i == 1 ? palette.color(QPalette::Active, QPalette::Highlight) : base);
    }
    EXPECT_EQ(image.pixelColor(10, legend->EntryRect(8).center().y()), QColor(Qt::blue));
}

TEST_F(KeyBoxTest, TheLastSwatchFollowsItsSliceAwayFromTheFirstSlicesColour)
{
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    legend->SetEntries(
        std::make_shared<ChildList>(ChildList{std::vector<std::string>(9, "d"), std::vector<std::int64_t>(9, 1)}), 9,
        "/");
    ShowParent();
    const QImage image = legend->viewport()->grab().toImage();
    const SliceColor cyan = SliceColors[1];
    EXPECT_EQ(image.pixelColor(10, legend->EntryRect(8).center().y()), QColor(cyan.red, cyan.green, cyan.blue));
}

// The first and last rows of text ink in image, within columns from left on;
// {-1, -1} when there is none.
std::pair<int, int> InkRows(const QImage& image, int left, const QColor& background)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) {
                rows = {rows.first < 0 ? y : rows.first, y};
                break;
            }
    return rows;
}

// Where the desktop's fixed-pitch font is taller than the list's default font
// (Noto Sans Mono is), commas and descenders are still drawn whole.
TEST_F(KeyBoxTest, EntriesHoldTheWholeTextOfATallerFont)
{
    QFont taller(QStringLiteral("Noto Sans Mono"));
    taller.setPixelSize(QFontInfo(QListView().font()).pixelSize());
    if (QFontInfo(taller).family() != QStringLiteral("Noto Sans Mono"))
        GTEST_SKIP() << "Noto Sans Mono is not installed (Debian package fonts-noto-mono)";
    const QFontMetrics metrics(taller);
    ASSERT_GT(metrics.lineSpacing(), QListView().fontMetrics().height());

    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    legend->setFont(taller);
    legend->SetEntries(std::make_shared<ChildList>(ChildList{{"gjpqy", "next"}, {2000, 1}}), 2001, "/");
    ShowParent();
    legend->clearFocus();
    const QRect entry = legend->EntryRect(0);
    for (int i = 0; i < legend->Count(); ++i)
        EXPECT_GE(legend->EntryRect(i).height(), metrics.lineSpacing());

    // The same text drawn with room to spare shows how far its ink reaches.
    const QPalette& palette = legend->palette();
    QImage free(entry.width(), entry.height() * 3, QImage::Format_RGB32);
    free.fill(palette.color(QPalette::Base));
    QPainter painter(&free);
    painter.setFont(taller);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(free.rect().adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, legend->Text(0));
    painter.end();
    const QImage shown = legend->viewport()->grab().toImage().copy(entry);
    const auto freeInk = InkRows(free, 22, palette.color(QPalette::Base));
    EXPECT_LT(freeInk.second, entry.height()) << "the ink fits the entry";
    EXPECT_EQ(InkRows(shown, 22, palette.color(QPalette::Base)), freeInk) << "and is drawn whole";
}

// The rightmost column with ink in each entry's rows, left of the list's edge.
std::vector<int> RightmostInk(const KeyBox& legend, const QImage& image, const QColor& background)
{
    std::vector<int> right;
    for (int i = 0; i < legend.Count(); ++i) {
        const QRect entry = legend.EntryRect(i);
        int found = -1;
        for (int y = entry.top() + 1; y < entry.bottom(); ++y)
            for (int x = found + 1; x < entry.right() - 2; ++x)
                if (image.pixelColor(x, y) != background)
                    found = x;
        right.push_back(found);
    }
    return right;
}

// Characters of one font differ in width (CJK and emoji from other fonts do
// even in a fixed-pitch one): the sizes still end in one column.
TEST_F(KeyBoxTest, SizesAlignWhateverTheNamesHold)
{
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    const QFontMetrics metrics(legend->font());
    if (metrics.horizontalAdvance("iiii") == metrics.horizontalAdvance("WWWW"))
        GTEST_SKIP() << "the default font is of fixed pitch here";
    legend->SetEntries(std::make_shared<ChildList>(
                           ChildList{{"iiii", "WWWW", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "\xF0\x9F\x98\x80 x",
                                      "\xFF\xFE"
                                      "ab"},
                                     {1234, 1234, 1234, 1234, 1234}}),
                       6170, "/");
    ShowParent();
    legend->clearFocus();
    const QImage shown = legend->viewport()->grab().toImage();
    const std::vector<int> right = RightmostInk(*legend, shown, legend->palette().color(QPalette::Base));
    EXPECT_GT(right[0], 22);
    EXPECT_EQ(right, std::vector<int>(5, right[0]));
}

// The frame of the focused entry stands clear of its first letter.
TEST_F(KeyBoxTest, TheFocusFrameLeavesTheColumnsBeforeTheTextAlone)
{
    auto legend = MakeLegend(2);
    ShowParent();
    legend->setFocus();
    legend->SetSelectedIndex(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return legend->hasFocus(); }));
    const QImage image = legend->viewport()->grab().toImage();
    const QRect entry = legend->EntryRect(0);
    const QColor band = legend->palette().color(QPalette::Active, QPalette::Highlight);
    for (int y = entry.top() + 1; y < entry.bottom(); ++y)
        for (int x : {20, 21})
            EXPECT_EQ(image.pixelColor(x, y), band) << x << "," << y;
}

TEST_F(KeyBoxTest, ToolTipsWrapAtTheScreensWidthShowNewlinesAndTakeTheUnits)
{
    const std::string longName(255, 'W');
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    legend->SetEntries(std::make_shared<ChildList>(ChildList{{longName, "two\nlines", "<b>x</b>"}, {1288490188, 1, 0}}),
                       1288490189, "/");

    const QStringList lines = legend->ToolTip(0).split('\n');
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    ASSERT_GT(QFontMetrics(QToolTip::font()).horizontalAdvance(QString::fromStdString(longName)), screenWidth);
    EXPECT_GT(lines.size(), 3);
    for (const QString& line : lines)
        EXPECT_LE(QFontMetrics(QToolTip::font()).horizontalAdvance(line), screenWidth);
    EXPECT_EQ(lines.mid(0, lines.size() - 2).join(QString()), QString::fromStdString(longName));
    EXPECT_TRUE(legend->ToolTip(1).startsWith("two\\nlines\n1 bytes\n"));
    EXPECT_TRUE(legend->ToolTip(2).contains("&lt;b&gt;x&lt;/b&gt;")) << "a name like HTML shows as typed";

    legend->SetUnits(SizeUnits::Binary);
    EXPECT_TRUE(legend->ToolTip(0).contains("\n1.2 GiB\n"));
    EXPECT_TRUE(legend->Text(0).endsWith(" 1.2 GiB"));
}

// The share of the directory on display counts its own files too, whatever
// the units; in a comparison it is of the growth shown. It keeps a column of
// its own at the entry's right, clear of the size.
TEST_F(KeyBoxTest, EntriesShowTheirShareOfTheDirectoryOrOfTheGrowthShown)
{
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    const auto share = [&legend](int i) {
        return legend->model()->index(i, 0).data(LegendModel::ShareRole).toString();
    };
    legend->SetEntries(std::make_shared<ChildList>(ChildList{{"Photos", "Music"}, {436, 64}}), 1000, "/home/ann/");
    EXPECT_EQ(share(0), "43.6 %");
    EXPECT_EQ(share(1), "6.4 %");
    legend->SetUnits(SizeUnits::Binary);
    EXPECT_EQ(share(0), "43.6 %");
    EXPECT_TRUE(legend->ToolTip(0).contains("\n43.6 % of /home/ann/")) << "the tooltip keeps its share";

    ChildList compared{{"Photos", "Music", "Old"}, {300, 100, 0}};
    compared.sizeTexts = {"+300", "+100", "gone"};
    legend->SetEntries(std::make_shared<ChildList>(compared), 5000, "/home/ann/");
    EXPECT_EQ(share(0), "75.0 %");
    EXPECT_EQ(share(2), "0.0 %");

    const QFontMetricsF metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const QString size = "1,234,567";
    const EntryLayout layout = LayOutEntry("Photos", size, metrics, FirstLegendWidth, {"6.4 %", "43.6 %", 31 * column});
    EXPECT_EQ(layout.name, "Photos");
    EXPECT_DOUBLE_EQ(layout.shareLeft, 26 * column) << "the share ends at the entry's end";
    EXPECT_DOUBLE_EQ(layout.sizeLeft + metrics.horizontalAdvance(size), 24 * column)
        << "the size ends a column before the widest share";
}

// A screen reader hears the whole name where the key shows twelve
// characters, and the size with its units.
TEST_F(KeyBoxTest, ScreenReadersHearWholeNamesSizesAndShares)
{
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    const std::string longName = "Photographs of the summer, 2021";
    legend->SetEntries(std::make_shared<ChildList>(ChildList{{longName, "Music"}, {1288490188, 64}}), 2954937499,
                       "/home/ann/");
    EXPECT_EQ(legend->SpokenText(0, QAccessible::Name), "Photographs of the summer, 2021, 1,288,490,188 bytes, 43.6 %");
    EXPECT_EQ(legend->SpokenText(0, QAccessible::Description),
              "Photographs of the summer, 2021\n1,288,490,188 bytes\n43.6 % of /home/ann/");
    legend->SetUnits(SizeUnits::Binary);
    EXPECT_EQ(legend->SpokenText(0, QAccessible::Name), "Photographs of the summer, 2021, 1.2 GiB, 43.6 %");

    ChildList compared{{"Photos", "Old"}, {300, 0}};
    compared.sizeTexts = {"+300", "gone"};
    legend->SetEntries(std::make_shared<ChildList>(compared), 5000, "/home/ann/");
    EXPECT_EQ(legend->SpokenText(1, QAccessible::Name), "Old, gone, 0.0 %");
}

TEST_F(KeyBoxTest, TypingSearchesTheWholeNameNotTheTwelveCharactersOfTheText)
{
    auto legend = std::make_unique<KeyBox>(&parent, QRect(370, 130, 250, 250), true);
    ChildList children;
    children.names = {"Photographs 2020", "Photographs 2021"};
    children.sizes = {1, 2};
    legend->SetEntries(std::make_shared<ChildList>(children), 3, "/");
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(24 * 60 * 60 * 1000); // the letters typed are one search
    QTest::keyClicks(legend.get(), "photographs 2021");
    EXPECT_EQ(legend->SelectedIndex(), 1);
    QApplication::setKeyboardInputInterval(interval);
}

TEST_F(KeyBoxTest, RightPressAsksForTheMenuWithoutSelecting)
{
    auto legend = MakeLegend(3);
    legend->SetSelectedIndex(0);
    ShowParent();
    QSignalSpy asked(legend.get(), &KeyBox::ContextMenuRequested);
    const QPoint entry = legend->EntryRect(2).center();
    QTest::mousePress(legend->viewport(), Qt::RightButton, {}, entry);
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.front().front().toPoint(), legend->viewport()->mapToGlobal(entry));
    EXPECT_EQ(legend->SelectedIndex(), 0);
}

TEST_F(KeyBoxTest, OnlyTheFullLegendReportsDoubleClicks)
{
    ShowParent();
    for (const bool placeholder : {false, true}) {
        auto legend = MakeLegend(2, true);
        if (placeholder)
            legend->ShowNoSubDirectories();
        legend->show();
        QSignalSpy spy(legend.get(), &KeyBox::EntryDoubleClicked);
        const QPoint point = legend->EntryRect(1).center();
        QTest::mouseClick(legend->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(legend->viewport(), Qt::LeftButton, {}, point);
        EXPECT_EQ(spy.count(), placeholder ? 0 : 1);
    }
}

} // namespace
