#include "KeyBox.h"

#include "CommandEvent.h"
#include "CommandIds.h"
#include "SliceColors.h"

#include <QApplication>
#include <QFontInfo>
#include <QListView>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands in for the main window: records posted commands and repainted areas.
class RecordingParent : public QWidget {
public:
    std::vector<int> commands;
    QRegion painted;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == CommandEvent::EventType)
            commands.push_back(static_cast<CommandEvent*>(event)->Id());
    }
    void paintEvent(QPaintEvent* event) override { painted += event->region(); }
};

const std::vector<PiePoint> Starts{{100, 50}, {200, 60}, {150, 200}};
const std::vector<PiePoint> Ends{{200, 60}, {150, 200}, {100, 50}};

class KeyBoxTest : public ::testing::Test {
protected:
    std::unique_ptr<KeyBox> MakeLegend(int entries, bool hasParent = true, int id = IDC_LEGEND)
    {
        auto legend = std::make_unique<KeyBox>(&parent, id, 370, 130, 250, 250, hasParent);
        ChildList children;
        for (int i = 0; i < entries; ++i) {
            children.names.push_back("entry " + std::to_string(i));
            children.sizes.push_back(i);
        }
        if (entries > 0)
            legend->SetEntries(children, entries, "/");
        return legend;
    }
    void ShowParent()
    {
        parent.resize(634, 453);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
        parent.painted = QRegion();
    }
    QRegion PaintedOutside(const QRect& legendArea)
    {
        QCoreApplication::processEvents();
        return parent.painted.subtracted(legendArea);
    }

    RecordingParent parent;
};

QStringList MenuLayout(KeyBox& legend)
{
    QMenu menu;
    legend.FillContextMenu(menu);
    QStringList items;
    for (const QAction* action : menu.actions())
        items << (action->isSeparator() ? "-" : action->text() + (action->isEnabled() ? "" : " (grayed)"));
    return items;
}

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

    auto legend = std::make_unique<KeyBox>(&parent, IDC_LEGEND, 370, 130, 250, 250, true);
    legend->setFont(taller);
    legend->SetEntries(ChildList{{"gjpqy", "next"}, {2000, 1}}, 2001, "/");
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

TEST_F(KeyBoxTest, MenuFollowsDirectoryAndSelection)
{
    auto root = MakeLegend(2, false);
    EXPECT_EQ(MenuLayout(*root), QStringList({"Sub Info (grayed)", "-", "Root Info", "-",
                                              "Parent Directory (grayed)", "Root Directory (grayed)"}));
    root->SetSelectedIndex(0);
    EXPECT_EQ(MenuLayout(*root).first(), "Sub Info");
    auto below = MakeLegend(2, true);
    EXPECT_EQ(MenuLayout(*below), QStringList({"Sub Info (grayed)", "-", "Parent Directory", "Root Directory"}));
    auto placeholder = MakeLegend(0, false, -1);
    placeholder->ShowNoSubDirectories();
    placeholder->SetSelectedIndex(0);
    EXPECT_EQ(MenuLayout(*placeholder).first(), "Sub Info (grayed)");
}

TEST_F(KeyBoxTest, MenuCommandsArePostedToTheParent)
{
    for (bool hasParent : {true, false}) {
        parent.commands.clear();
        auto legend = MakeLegend(2, hasParent);
        legend->SetSelectedIndex(1);
        QMenu menu;
        legend->FillContextMenu(menu);
        for (QAction* action : menu.actions())
            action->trigger();
        EXPECT_TRUE(parent.commands.empty());
        QCoreApplication::processEvents();
        const std::vector<int> expected = hasParent ? std::vector<int>{CM_SUBDIR_INFO, CM_BACK, CM_TOP}
                                                    : std::vector<int>{CM_SUBDIR_INFO, CM_ROOT_INFO};
        EXPECT_EQ(parent.commands, expected);
    }
}

TEST_F(KeyBoxTest, RightPressOpensTheMenuWithoutSelecting)
{
    auto legend = MakeLegend(3);
    legend->SetSelectedIndex(0);
    ShowParent();
    QTest::mousePress(legend->viewport(), Qt::RightButton, {}, legend->EntryRect(2).center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(legend->SelectedIndex(), 0);
    menu->close();
}

TEST_F(KeyBoxTest, MarkersNeedSlicePointsForTheSelectedEntry)
{
    auto legend = MakeLegend(3);
    legend->SetSelectedIndex(1);
    EXPECT_FALSE(legend->HasSlicePoints());
    EXPECT_TRUE(legend->MarkerRects().empty());
    legend->SetSlicePoints(Starts, {{5, 5}});
    EXPECT_EQ(legend->SlicePointCount(), 1);
    EXPECT_EQ(legend->GetEndPoint(1), (PiePoint{-1, -1}));
    EXPECT_TRUE(legend->MarkerRects().empty());
    legend->SetSlicePoints({{1, 1}, {2, 2}, {3, 3}, {4, 4}}, Ends);
    EXPECT_EQ(legend->SlicePointCount(), 3);
    EXPECT_EQ(legend->MarkerRects(), (std::vector<QRect>{{-3, -3, 10, 10}, {145, 195, 10, 10}}));
}

TEST_F(KeyBoxTest, SelectionChangeRepaintsOnlyTheOldAndNewMarkerSquares)
{
    auto legend = MakeLegend(3);
    legend->SetSlicePoints(Starts, Ends);
    legend->SetSelectedIndex(0);
    ShowParent();
    legend->SetSelectedIndex(2);
    QRegion squares;
    for (const QRect& square : {QRect(95, 45, 10, 10), QRect(195, 55, 10, 10), QRect(145, 195, 10, 10)})
        squares += square;
    EXPECT_EQ(PaintedOutside(legend->geometry()), squares);

    // Going away, the legend has its last markers painted over.
    const QRect area = legend->geometry();
    parent.painted = QRegion();
    legend.reset();
    EXPECT_EQ(PaintedOutside(area), QRegion(145, 195, 10, 10) + QRegion(95, 45, 10, 10));
}

TEST_F(KeyBoxTest, PaintsTheCrossOpaquelyAroundBothPoints)
{
    const char* rows[] = {"SSSKKKKSSS", "SSSKGGKSSS", "SSSKGGKSSS", "KKKKGGKKKK", "KGGGGGGGGK",
                          "KGGGGGGGGK", "KKKKGGKKKK", "SSSKGGKSSS", "SSSKGGKSSS", "SSSKKKKSSS"};
    QImage expected(100, 100, QImage::Format_RGB32);
    expected.fill(Qt::white);
    for (PiePoint point : {PiePoint{30, 40}, PiePoint{70, 60}})
        for (int pixel = 0; pixel < 100; ++pixel) {
            const char code = rows[pixel / 10][pixel % 10];
            const int grey = code == 'K' ? 0 : code == 'G' ? 128 : 192;
            expected.setPixelColor(point.x - 5 + pixel % 10, point.y - 5 + pixel / 10, QColor(grey, grey, grey));
        }

    auto legend = MakeLegend(1);
    legend->SetSlicePoints({{30, 40}}, {{70, 60}});
    legend->SetSelectedIndex(0);
    QImage chart(100, 100, QImage::Format_RGB32);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    legend->PaintMarkers(painter);
    painter.end();
    EXPECT_EQ(chart, expected);
}

TEST_F(KeyBoxTest, OnlyTheFullLegendReportsDoubleClicks)
{
    ShowParent();
    for (int id : {IDC_LEGEND, -1}) {
        auto legend = MakeLegend(2, true, id);
        legend->show();
        QSignalSpy spy(legend.get(), &KeyBox::EntryDoubleClicked);
        const QPoint point = legend->EntryRect(1).center();
        QTest::mouseClick(legend->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(legend->viewport(), Qt::LeftButton, {}, point);
        EXPECT_EQ(spy.count(), id == IDC_LEGEND ? 1 : 0);
    }
}

} // namespace
