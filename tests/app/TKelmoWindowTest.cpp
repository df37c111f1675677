#include "TKelmoWindow.h"

#include "CommandEvent.h"
#include "CommandIds.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "ScanProgressEvent.h"
#include "SmallButton.h"
#include "SmallWin.h"
#include "TempTree.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Box {
    QString text;
    QString caption;
    MessageIcon icon;
};

// Every test runs the real window on temporary trees posing as drives, with
// no linger after a scan, and records the message boxes instead of showing them.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        previousHandler = SetMessageBoxHandler(
            [this](QWidget*, const QString& text, const QString& caption, MessageIcon icon) {
                boxes.push_back({text, caption, icon});
            });
    }
    ~MainWindowTest() override
    {
        window.reset(); // takes its text windows and splashes along
        SetMessageBoxHandler(previousHandler);
    }

    TKelmoWindow& Start(std::vector<std::string> args, std::vector<MountEntry> drives, int lingerMs = 0)
    {
        window = std::make_unique<TKelmoWindow>(std::move(args), std::move(drives), lingerMs);
        window->SetupWindow();
        QCoreApplication::processEvents();
        return *window;
    }
    TKelmoWindow& StartOn(const TempTree& tree) { return Start({tree.Root()}, {Drive(tree)}); }
    static MountEntry Drive(const TempTree& tree) { return {"test", tree.Root(), "ext4"}; }

    KeyBox& Legend() { return *window->Legend(); }
    // Entry names as the legend shows them: at most 12 characters.
    QStringList Names()
    {
        QStringList names;
        for (int i = 0; i < Legend().count(); ++i)
            names << Legend().item(i)->text().section(' ', 0, 0);
        return names;
    }
    void DoubleClick(const QString& name)
    {
        Legend().SetSelectedIndex(Names().indexOf(name.left(12)));
        window->EvLegendDblClk();
    }
    void Post(int command)
    {
        QCoreApplication::postEvent(window.get(), new CommandEvent(command));
        QCoreApplication::processEvents();
    }
    SmallWin* OpenTextWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* info = dynamic_cast<SmallWin*>(widget); info && info->isVisible())
                return info;
        return nullptr;
    }
    QColor PixelAt(int x, int y) { return window->grab().toImage().pixelColor(x, y); }

    std::unique_ptr<TKelmoWindow> window;
    std::vector<Box> boxes;
    MessageBoxHandler previousHandler;
};

} // namespace

TEST_F(MainWindowTest, DownIntoASubDirectoryBackAndTop)
{
    TempTree tree;
    tree.File("GAMES/DOOM/WADS/doom.wad", 4000);
    tree.File("GAMES/DOOM/save", 100);
    tree.File("TEMP/t", 10);
    tree.File("io.sys", 1);
    TKelmoWindow& w = StartOn(tree);
    const QString root = QString::fromStdString(tree.Root()) + "/";
    ASSERT_EQ(w.Path().Text(), root);
    EXPECT_EQ(Names().size(), 2);
    EXPECT_FALSE(w.BackButton()->isEnabled());
    EXPECT_FALSE(w.TopButton()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Kelmo");

    DoubleClick("GAMES");
    DoubleClick("DOOM");
    EXPECT_EQ(w.Path().Text(), root + "GAMES/DOOM/");
    EXPECT_EQ(Names(), QStringList{"WADS"});
    EXPECT_TRUE(w.BackButton()->isEnabled());
    EXPECT_TRUE(w.TopButton()->isEnabled());

    DoubleClick("WADS");
    ASSERT_EQ(boxes.size(), 1u) << "a leaf never becomes the directory on display";
    EXPECT_EQ(boxes[0].text, "No Sub-Directories Exist For This Entry");
    EXPECT_EQ(boxes[0].caption, "Kelmo");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(w.Path().Text(), root + "GAMES/DOOM/");
    EXPECT_EQ(Legend().SelectedIndex(), 0);

    w.CmBack();
    EXPECT_EQ(w.Path().Text(), root + "GAMES/");
    EXPECT_EQ(Names(), QStringList{"DOOM"});
    DoubleClick("DOOM");
    Post(CM_TOP); // the legend menu's "Root Directory"
    EXPECT_EQ(w.Path().Text(), root);
    EXPECT_EQ(Names().size(), 2);
    EXPECT_FALSE(w.BackButton()->isEnabled());
    EXPECT_FALSE(w.TopButton()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Kelmo");
}

TEST_F(MainWindowTest, NothingSelectedIsSubDirectoryNotFound)
{
    TempTree tree;
    tree.File("A/x", 1);
    StartOn(tree);
    Legend().SetSelectedIndex(-1);
    window->EvLegendDblClk();
    Post(CM_SUBDIR_INFO);
    ASSERT_EQ(boxes.size(), 2u);
    for (const Box& box : boxes) {
        EXPECT_EQ(box.text, "Sub-Directory Not Found");
        EXPECT_EQ(box.caption, "System Error");
        EXPECT_EQ(box.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(OpenTextWindow(), nullptr);
}

TEST_F(MainWindowTest, RootWithFilesOnlyShowsPlaceholderBlueDiscAndRootInfo)
{
    TempTree tree;
    tree.File("a", 700);
    tree.File("b", 300);
    TKelmoWindow& w = Start({"--apparent-size", tree.Root()}, {Drive(tree)});
    ASSERT_EQ(Legend().count(), 1);
    EXPECT_EQ(Legend().item(0)->text(), "--No Sub-Directories--");
    EXPECT_EQ(Legend().Id(), -1);
    EXPECT_EQ(w.Chart().Count(), 0);
    EXPECT_EQ(PixelAt(178, 178), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(178, 40), QColor(0, 0, 255));
    EXPECT_EQ(w.FreeBytesLabel()->text().left(13), "Free Space : ");

    Post(CM_ROOT_INFO);
    SmallWin* info = OpenTextWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "Sub-Directory Information");
    EXPECT_TRUE(info->TextBox().toPlainText().contains("Dir Space    : 1,000\n"));
    EXPECT_TRUE(info->TextBox().toPlainText().contains("Num of Sub-Dir : 0\n"));
    EXPECT_FALSE(w.isEnabled()) << "the main window takes no input while a text window is open";
    info->close();
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowTest, LongPathIsCutAndPathWindowShowsItWhole)
{
    TempTree tree;
    const std::string deep = "a-rather-long-directory-name/and-another-one/";
    tree.File(deep + "leaf/f", 5);
    TKelmoWindow& w = StartOn(tree);
    DoubleClick("a-rather-long-directory-name");
    DoubleClick("and-another-one");
    const QString full = QString::fromStdString(tree.Root() + "/" + deep);
    ASSERT_EQ(w.Path().Text(), full);
    EXPECT_EQ(w.PathLabel()->text(), full.left(13) + "..." + full.right(17));
    EXPECT_TRUE(w.PathButton()->isEnabled());

    QTest::mouseClick(w.PathButton(), Qt::LeftButton);
    SmallWin* info = OpenTextWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "Path");
    EXPECT_EQ(info->TextBox().toPlainText(), full);
    info->close();

    w.CmTop();
    EXPECT_EQ(w.PathLabel()->text(), QString::fromStdString(tree.Root()) + "/");
    EXPECT_FALSE(w.PathButton()->isEnabled());
}

TEST_F(MainWindowTest, FailedDriveChangeKeepsTheViewAndTheListGoesBack)
{
    TempTree good, blank;
    good.File("DATA/x", 1000);
    good.File("SRC/y", 3000);
    TKelmoWindow& w = Start({good.Root()}, {Drive(blank), Drive(good)});
    ASSERT_EQ(w.Survey().GetDrive(), 1);
    const QStringList before = Names();
    ASSERT_EQ(before.size(), 2);
    EXPECT_NE(w.FreeBytesLabel()->text(), "Free Space : Unknown");
    ASSERT_EQ(w.DriveList()->currentData().toInt(), 1);

    const int blankEntry = w.DriveList()->findData(0);
    w.DriveList()->setCurrentIndex(blankEntry);
    w.EvDriveChange(blankEntry);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Selected Disk was Not\rAvailable or is Blank");
    EXPECT_EQ(boxes[0].caption, "Kelmo");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(w.DriveList()->currentData().toInt(), 1);
    EXPECT_EQ(w.Survey().GetDrive(), 1);
    EXPECT_EQ(w.FreeBytesLabel()->text(), "Free Space : Unknown");
    EXPECT_TRUE(w.isEnabled());

    w.EvDriveChange(w.DriveList()->currentIndex()); // the drive on display: no rescan
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(w.FreeBytesLabel()->text(), "Free Space : Unknown");
}

TEST_F(MainWindowTest, DriveListIsSortedWithDriveIndexesAsData)
{
    TempTree a, b, c;
    a.File("x", 1);
    std::vector<MountEntry> drives{Drive(c), Drive(a), Drive(b)};
    std::sort(drives.begin() + 1, drives.end(),
              [](const MountEntry& l, const MountEntry& r) { return l.mountPoint > r.mountPoint; });
    TKelmoWindow& w = Start({a.Root()}, drives);
    QComboBox* list = w.DriveList();
    ASSERT_EQ(list->count(), 3);
    for (int i = 1; i < list->count(); ++i)
        EXPECT_LT(list->itemText(i - 1), list->itemText(i));
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(drives[list->itemData(i).toInt()].mountPoint, list->itemText(i).toStdString());
    EXPECT_EQ(list->currentText().toStdString(), a.Root());
}

TEST_F(MainWindowTest, ClickOnASliceSelectsItsEntry)
{
    TempTree tree;
    tree.File("small/f", 1000);
    tree.File("large/f", 3000);
    TKelmoWindow& w = StartOn(tree);
    w.grab(); // a paint hands the slice points to the legend
    ASSERT_TRUE(Legend().HasSlicePoints());
    const int small = Names().indexOf("small");
    // A quarter and three quarters, clockwise from the upper-left diagonal.
    const QPoint inFirst = small == 0 ? QPoint(178, 40) : QPoint(178, 320);
    const QPoint inSecond = small == 0 ? QPoint(178, 320) : QPoint(320, 178);
    QTest::mouseClick(&w, Qt::LeftButton, {}, inFirst);
    EXPECT_EQ(Legend().SelectedIndex(), 0);
    QTest::mouseClick(&w, Qt::LeftButton, {}, inSecond);
    EXPECT_EQ(Legend().SelectedIndex(), 1);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(10, 400)); // off the chart
    EXPECT_EQ(Legend().SelectedIndex(), 1);
    EXPECT_EQ(PixelAt(inFirst.x(), inFirst.y()), small == 0 ? QColor(0, 0, 255) : QColor(0, 255, 255));
}

TEST_F(MainWindowTest, UpdateFromDepthShowsTheRootAgain)
{
    TempTree tree;
    tree.File("A/B/C/f", 10);
    TKelmoWindow& w = StartOn(tree);
    DoubleClick("A");
    DoubleClick("B");
    tree.File("NEW/g", 20);
    QTest::mouseClick(w.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(w.Path().Text(), QString::fromStdString(tree.Root()) + "/");
    EXPECT_EQ(Names().size(), 2);
    EXPECT_FALSE(w.BackButton()->isEnabled());
    EXPECT_EQ(w.Survey().Root().apparentBytes(), 30);
}

TEST_F(MainWindowTest, KeyASwitchesBetweenDiskUsageAndApparentSizesWithoutARescan)
{
    TempTree tree;
    tree.Sparse("sparse/image", 5'000'000'000LL);
    tree.File("small/f", 10);
    TKelmoWindow& w = StartOn(tree);
    Legend().SetSelectedIndex(1);
    const std::int64_t diskBytes = w.Survey().Root().diskBytes();
    EXPECT_LT(diskBytes, 1'000'000);
    EXPECT_EQ(w.KeyLabel()->text(), "Key");
    QTest::keyClick(&w, Qt::Key_A);
    EXPECT_EQ(w.KeyLabel()->text(), "Key (apparent sizes)");
    EXPECT_EQ(w.Survey().Root().bytes(), 5'000'000'010LL);
    EXPECT_EQ(Legend().SelectedIndex(), 1) << "the selection stays";
    EXPECT_EQ(Legend().item(Names().indexOf("sparse"))->text().right(13), "5,000,000,000");
    QTest::keyClick(&w, Qt::Key_A);
    EXPECT_EQ(w.KeyLabel()->text(), "Key");
    EXPECT_EQ(w.Survey().Root().bytes(), diskBytes);
}

TEST_F(MainWindowTest, BadCommandLinesShowTheUsageBoxAndScanNothing)
{
    TempTree tree;
    tree.File("x", 1);
    const std::vector<std::vector<std::string>> badLines{
        {tree.Root(), tree.Root()}, {"--frobnicate"}, {tree.Path("does-not-exist")}};
    for (const auto& args : badLines) {
        boxes.clear();
        TKelmoWindow& w = Start(args, {Drive(tree)});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Invalid command-line; Use:\r\n\r\n    kelmo <path>\r\n\r\ni.e.:    kelmo /home");
        EXPECT_EQ(boxes[0].caption, KelmoSplash::CreditCaption());
        EXPECT_EQ(boxes[0].icon, MessageIcon::None);
        EXPECT_FALSE(w.Survey().Root());
        EXPECT_FALSE(w.UpdateButton()->isEnabled());
        EXPECT_EQ(w.DriveList()->currentIndex(), -1);
        EXPECT_EQ(w.Legend(), nullptr);
        EXPECT_EQ(w.PathLabel()->text(), "");
        EXPECT_EQ(PixelAt(178, 178), QColor(0, 0, 255));

        w.EvDriveChange(0); // picking a drive makes Kelmo usable
        EXPECT_TRUE(w.UpdateButton()->isEnabled());
        EXPECT_TRUE(w.Survey().Root());
    }
}

TEST_F(MainWindowTest, NoArgumentScansTheDriveOfTheCurrentDirectory)
{
    TempTree other, here;
    here.File("sub/f", 42);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(here.Path("sub").c_str()), 0);
    TKelmoWindow& w = Start({}, {Drive(other), Drive(here)});
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(w.Survey().GetDrive(), 1);
    EXPECT_EQ(w.Survey().Root().apparentBytes(), 42);
}

namespace {

// Records the texts that reach any scan splash.
class SplashTexts : public QObject {
public:
    QStringList texts;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == ScanProgressEvent::EventType && dynamic_cast<KelmoSplash*>(receiver))
            texts << static_cast<ScanProgressEvent*>(event)->Text();
        return false;
    }
};

} // namespace

TEST_F(MainWindowTest, ScanProgressReachesTheSplashFormatted)
{
    TempTree tree;
    tree.File("big", 1234567);
    SplashTexts recorder;
    qApp->installEventFilter(&recorder);
    TKelmoWindow& w = Start({"--apparent-size", tree.Root()}, {Drive(tree)}, 100);
    // Past the first million during the scan, and the final total: one
    // pending event carries the latest, handled while the splash lingers.
    EXPECT_EQ(recorder.texts, QStringList{"1,234,567"});
    recorder.texts.clear();

    QCoreApplication::postEvent(&w, new ScanProgressEvent);
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.texts.isEmpty()) << "with no splash the count is dropped";
    qApp->removeEventFilter(&recorder);
}

TEST_F(MainWindowTest, TenThousandSubDirectoriesAndAwkwardNamesAtTheRoot)
{
    TempTree tree;
    for (int i = 0; i < 10000; ++i)
        tree.Dir("d" + std::to_string(i));
    tree.File("\xff\xfe-not-utf8/f", 7);
    tree.File(std::string(200, 'n') + "/f", 9);
    TKelmoWindow& w = StartOn(tree);
    ASSERT_EQ(Legend().count(), 10002);
    EXPECT_EQ(w.Chart().Count(), 10002);
    w.grab();
    EXPECT_EQ(Legend().SlicePointCount(), 10002);
    EXPECT_TRUE(Names().contains(QString(12, 'n')));
    EXPECT_EQ(Names().filter("-not-utf8").size(), 1);
    DoubleClick(QString(200, 'n'));
    EXPECT_EQ(boxes.size(), 1u);
}
