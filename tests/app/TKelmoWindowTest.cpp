#include "TKelmoWindow.h"

#include "ChartView.h"
#include "ChoiceMenu.h"
#include "ExportCommand.h"
#include "FakeDirectorySource.h"
#include "FormatBytes.h"
#include "HistoryChart.h"
#include "HistoryWindow.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "QtTestSupport.h"
#include "RecordCommand.h"
#include "RingsView.h"
#include "ScanProgressEvent.h"
#include "Scanner.h"
#include "SliceColors.h"
#include "SmallButton.h"
#include "SmallWin.h"
#include "TempTree.h"
#include "TreeDump.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include <set>

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

    // Starts the window on a command line and waits for its first scan;
    // prepare runs before the window's start-up.
    TKelmoWindow& Start(const std::vector<std::string>& args, std::vector<MountEntry> drives, int lingerMs = 0,
                        const std::function<void(TKelmoWindow&)>& prepare = {})
    {
        window = std::make_unique<TKelmoWindow>(ParseOptions(args), Drives(std::move(drives)), lingerMs);
        if (prepare)
            prepare(*window);
        window->SetupWindow();
        WaitForScan();
        return *window;
    }
    // Scans end on the window's thread, through its event queue.
    void WaitForScan()
    {
        EXPECT_TRUE(WaitFor([this] { return !window->Scanning(); }));
        QCoreApplication::processEvents();
    }
    TKelmoWindow& StartOn(const TempTree& tree) { return Start({tree.Root()}, {Drive(tree)}); }
    // Starts without an argument from the working directory dir.
    TKelmoWindow& StartFrom(const std::string& dir, std::vector<MountEntry> drives)
    {
        char previous[4096];
        EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
        EXPECT_EQ(chdir(dir.c_str()), 0);
        TKelmoWindow& started = Start({}, std::move(drives));
        EXPECT_EQ(chdir(previous), 0);
        return started;
    }
    static MountEntry Drive(const TempTree& tree) { return {"test", tree.Root(), "ext4"}; }

    KeyBox& Legend() { return *window->Legend(); }
    // Entry names as the legend shows them: at most 12 characters.
    QStringList Names()
    {
        QStringList names;
        for (int i = 0; i < Legend().Count(); ++i)
            names << Legend().Text(i).section(' ', 0, 0);
        return names;
    }
    void DoubleClick(const QString& name)
    {
        Legend().SetSelectedIndex(Names().indexOf(name.left(12)));
        window->EvLegendDblClk();
    }
    void Run(Command command)
    {
        window->Commands().Trigger(command);
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
    // The drive list's entry of drive, and the drive its current entry names.
    int EntryOf(int drive)
    {
        for (int i = 0; i < window->DriveList()->count(); ++i)
            if (window->DriveList()->itemData(i).value<TreeSource>().DriveIndex() == drive)
                return i;
        return -1;
    }
    // As a click on an entry of the open list picks it.
    void PickDrive(int listIndex)
    {
        window->DriveList()->setCurrentIndex(listIndex);
        emit window->DriveList()->activated(listIndex);
    }
    int CurrentDrive() { return window->DriveList()->currentData().value<TreeSource>().DriveIndex(); }

    std::unique_ptr<TKelmoWindow> window;
    std::vector<Box> boxes;
    MessageBoxHandler previousHandler;
};

// The menu popped up, closed once its rows are read (it deletes itself).
QMenu* PoppedMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// A menu's rows as it lists them, "-" for a separator.
QStringList Rows(const QMenu& menu)
{
    QStringList rows;
    for (const QAction* action : menu.actions())
        rows << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return rows;
}

void CollectActions(const QMenu& menu, std::set<QAction*>& into)
{
    for (QAction* action : menu.actions()) {
        into.insert(action);
        if (action->menu())
            CollectActions(*action->menu(), into);
    }
}

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
    Run(Command::Top); // the legend menu's "Root Directory"
    EXPECT_EQ(w.Path().Text(), root);
    EXPECT_EQ(Names().size(), 2);
    EXPECT_FALSE(w.BackButton()->isEnabled());
    EXPECT_FALSE(w.TopButton()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Kelmo");
}

TEST_F(MainWindowTest, BackSelectsTheDirectoryItCameFrom)
{
    TempTree tree;
    for (const char* path : {"A/x/f", "B/x/f", "C/x/f"})
        tree.File(path, 1);
    TKelmoWindow& w = StartOn(tree);
    DoubleClick("B");
    QTest::keyClick(&w, Qt::Key_Backspace);
    ASSERT_GE(w.State().SelectedIndex(), 0);
    EXPECT_EQ(w.State().SelectedChild().name(), "B");
    EXPECT_EQ(Legend().SelectedIndex(), w.State().SelectedIndex()) << "the key shows it";
}

TEST_F(MainWindowTest, NothingSelectedIsSubDirectoryNotFound)
{
    TempTree tree;
    tree.File("A/x", 1);
    StartOn(tree);
    Legend().SetSelectedIndex(-1);
    window->EvLegendDblClk();
    window->CmDirInfo(Command::SubInfo);
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
    ASSERT_EQ(Legend().Count(), 1);
    EXPECT_EQ(Legend().Text(0), "--No Sub-Directories--");
    EXPECT_TRUE(Legend().IsPlaceholder());
    EXPECT_EQ(w.Chart()->Pie().Count(), 0);
    EXPECT_EQ(PixelAt(178, 178), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(178, 40), QColor(0, 0, 255));
    EXPECT_EQ(w.FreeBytesLabel()->text().left(13), "Free Space : ");

    Run(Command::RootInfo);
    SmallWin* info = OpenTextWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "Sub-Directory Information");
    // The files and, as du --apparent-size counts it, the root's own size.
    const std::string space = "Dir Space    : " + FormatBytes(1000 + tree.Size("")) + "\n";
    EXPECT_TRUE(info->TextBox().toPlainText().contains(QString::fromStdString(space)));
    EXPECT_TRUE(info->TextBox().toPlainText().contains("Num of Sub-Dir : 0\n"));
    EXPECT_TRUE(w.isEnabled()) << "blocked while a text window is open, the main window keeps its look";
    info->close();
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
    ASSERT_EQ(w.State().Scanned().DriveIndex(), 1);
    const QStringList before = Names();
    ASSERT_EQ(before.size(), 2);
    EXPECT_NE(w.FreeBytesLabel()->text(), "Free Space : Unknown");
    ASSERT_EQ(CurrentDrive(), 1);

    const QString freeSpace = w.FreeBytesLabel()->text();

    const int blankEntry = EntryOf(0);
    w.DriveList()->setCurrentIndex(blankEntry);
    w.EvDriveChange(blankEntry);
    WaitForScan();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Selected Disk was Not\nAvailable or is Blank") << "a blank drive has no reason";
    EXPECT_EQ(boxes[0].caption, "Kelmo");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(CurrentDrive(), 1);
    EXPECT_EQ(w.State().Scanned().DriveIndex(), 1);
    EXPECT_EQ(w.FreeBytesLabel()->text(), freeSpace) << "the tree on display keeps its free space";
    EXPECT_TRUE(w.isEnabled());

    w.EvDriveChange(w.DriveList()->currentIndex()); // the drive on display: no rescan
    EXPECT_FALSE(w.Scanning());
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(MainWindowTest, ADriveThatCannotBeReadSaysWhy)
{
    TempTree tree;
    Start({tree.Root()}, {Drive(tree)}, 0, [](TKelmoWindow& w) {
        w.Scans().SetScannerFactory([] {
            auto locked = std::make_unique<FakeDirectorySource>();
            locked->MakeUnopenable(0, EACCES);
            auto scanner = std::make_unique<Scanner>();
            scanner->SetSource(std::move(locked));
            return scanner;
        });
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              QString::fromStdString("Selected Disk was Not\nAvailable or is Blank\n\ncannot read "
                                     "directory '"
                                     + tree.Root() + "': Permission denied"));
    EXPECT_EQ(window->FreeBytesLabel()->text(), "Free Space : Unknown");
    EXPECT_TRUE(window->UpdateButton()->isEnabled()) << "Update tries the drive again";
}

// The colours in a square of side 9 around centre.
std::set<QRgb> ColoursAround(const QImage& image, QPoint centre)
{
    std::set<QRgb> colours;
    for (int y = centre.y() - 4; y <= centre.y() + 4; ++y)
        for (int x = centre.x() - 4; x <= centre.x() + 4; ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST_F(MainWindowTest, ADirectoryThatCouldNotBeReadIsMarkedAndSaysWhy)
{
    TempTree tree;
    Start({tree.Root()}, {Drive(tree)}, 0, [](TKelmoWindow& w) {
        w.Scans().SetScannerFactory([] {
            auto fake = std::make_unique<FakeDirectorySource>();
            const int locked = fake->AddDir(0, "Private");
            fake->AddFile(locked, "secret", 10'000'000);
            fake->MakeUnopenable(locked, EACCES);
            const int half = fake->AddDir(0, "Half");
            fake->AddFile(half, "read", 5000);
            fake->BreakListing(half, EIO);
            fake->AddFile(half, "lost", 9);
            fake->AddDir(0, "Public");
            auto scanner = std::make_unique<Scanner>();
            scanner->SetSource(std::move(fake));
            return scanner;
        });
    });
    TKelmoWindow& w = *window;
    ASSERT_EQ(Names(), (QStringList{"Private", "Half", "Public"}));
    EXPECT_EQ(w.UnreadableLabel()->text(), "2 directories could not be read");
    EXPECT_EQ(Legend().model()->index(1, 0).data(Qt::ToolTipRole).toString().section('\n', -2),
              "1 item\ncould not be read: Input/output error; counts what could be read");

    // Half holds every byte: its slice is the whole disc, hatched as its swatch.
    const QColor cyan = Qt::cyan;
    const std::set<QRgb> marked{cyan.rgb(), QColor(Qt::black).rgb()};
    const ChartView& chart = *w.Chart();
    const QPoint centre(chart.Pie().Center().x, chart.Pie().Center().y);
    EXPECT_EQ(ColoursAround(w.Chart()->grab().toImage(), centre + QPoint(20, 20)), marked);
    const QImage key = Legend().viewport()->grab().toImage();
    const auto swatch = [&key, this](int entry) {
        const QPoint middle(10, Legend().EntryRect(entry).center().y());
        std::set<QRgb> colours;
        for (int y = middle.y() - 2; y <= middle.y() + 2; ++y)
            for (int x = middle.x() - 4; x <= middle.x() + 4; ++x)
                colours.insert(key.pixel(x, y));
        return colours;
    };
    EXPECT_EQ(swatch(1), marked);
    EXPECT_EQ(swatch(2).size(), 1u) << "Public is not marked";

    Legend().SetSelectedIndex(0);
    Run(Command::SubInfo);
    SmallWin* info = OpenTextWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->TextBox().toPlainText().endsWith(
        "Items Below    : 0 items\ncould not be read: Permission denied; counts what could be read\n"))
        << info->TextBox().toPlainText().toStdString();
    info->close();
    DoubleClick("Private");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "This entry could not be read: Permission denied; counts what could be read");
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
        EXPECT_EQ(drives[list->itemData(i).value<TreeSource>().DriveIndex()].mountPoint,
                  list->itemText(i).toStdString());
    EXPECT_EQ(list->currentText().toStdString(), a.Root());
}

TEST_F(MainWindowTest, ClickOnASliceSelectsItsEntry)
{
    TempTree tree;
    tree.File("small/f", 1000);
    tree.File("large/f", 3000);
    TKelmoWindow& w = StartOn(tree);
    w.grab(); // the chart finds slices by the rim points of its last drawing
    ASSERT_EQ(w.Chart()->DrawnSlices(), 2);
    const int small = Names().indexOf("small");
    // A quarter and three quarters, clockwise from the upper-left diagonal.
    const QPoint inFirst = small == 0 ? QPoint(178, 40) : QPoint(178, 320);
    const QPoint inSecond = small == 0 ? QPoint(178, 320) : QPoint(320, 178);
    QTest::mouseClick(w.Chart(), Qt::LeftButton, {}, inFirst);
    EXPECT_EQ(Legend().SelectedIndex(), 0);
    QTest::mouseClick(w.Chart(), Qt::LeftButton, {}, inSecond);
    EXPECT_EQ(Legend().SelectedIndex(), 1);
    QTest::mouseClick(w.Chart(), Qt::LeftButton, {}, QPoint(10, 330)); // off the chart
    EXPECT_EQ(Legend().SelectedIndex(), 1);
    EXPECT_EQ(PixelAt(inFirst.x(), inFirst.y()), small == 0 ? QColor(0, 0, 255) : QColor(0, 255, 255));
}

// A screen reader finds the picture as a list of the legend's entries, named
// as the legend names them, whole; the arrow keys select them as clicks do.
TEST_F(MainWindowTest, ThePictureIsAListOfItsEntriesThatTheArrowKeysWalk)
{
    TempTree tree;
    tree.File("a-folder-whose-name-is-longer-than-the-key/f", 1000);
    tree.File("large/f", 3000);
    tree.File("third/f", 2000);
    TKelmoWindow& w = StartOn(tree);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.View());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Pie Chart");
    ASSERT_EQ(list->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->child(i)->text(QAccessible::Name), Legend().SpokenText(i, QAccessible::Name));
        EXPECT_EQ(list->indexOfChild(list->child(i)), i);
    }
    EXPECT_TRUE(list->child(Names().indexOf("a-folder-who"))
                    ->text(QAccessible::Name)
                    .startsWith("a-folder-whose-name-is-longer-than-the-key, "));

    QTest::keyClick(w.View(), Qt::Key_Down);
    EXPECT_EQ(Legend().SelectedIndex(), 0) << "the first arrow selects the first entry";
    QTest::keyClick(w.View(), Qt::Key_End);
    EXPECT_EQ(Legend().SelectedIndex(), 2);
    EXPECT_TRUE(list->child(2)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    QTest::keyClick(w.View(), Qt::Key_Down);
    QTest::keyClick(w.View(), Qt::Key_Left);
    EXPECT_EQ(Legend().SelectedIndex(), 1) << "the last entry is as far as the keys go";
}

TEST_F(MainWindowTest, UpdateKeepsTheDirectoryOnDisplayAndTheSelection)
{
    TempTree tree;
    tree.File("A/B/C/f", 10);
    tree.File("A/B/D/f", 10);
    TKelmoWindow& w = StartOn(tree);
    DoubleClick("A");
    DoubleClick("B");
    Legend().SetSelectedIndex(Names().indexOf("D"));
    tree.File("A/B/NEW/g", 20);
    QTest::mouseClick(w.UpdateButton(), Qt::LeftButton);
    EXPECT_FALSE(w.UpdateButton()->isEnabled()) << "no second scan while one runs";
    WaitForScan();
    const QString root = QString::fromStdString(tree.Root()) + "/";
    EXPECT_EQ(w.Path().Text(), root + "A/B/");
    EXPECT_EQ(Names().size(), 3);
    EXPECT_EQ(Legend().SelectedIndex(), Names().indexOf("D"));
    EXPECT_TRUE(Names().contains("NEW")) << "the new scan is shown";

    std::filesystem::remove_all(tree.Path("A/B"));
    tree.File("A/E/f", 1);
    w.CmUpdate();
    WaitForScan();
    EXPECT_EQ(w.Path().Text(), root + "A/") << "the nearest directory that still exists";
}

TEST_F(MainWindowTest, CtrlShiftASwitchesBetweenDiskUsageAndApparentSizesWithoutARescan)
{
    TempTree tree;
    tree.Sparse("sparse/image", 5'000'000'000LL);
    tree.File("small/f", 10);
    TKelmoWindow& w = StartOn(tree);
    Legend().SetSelectedIndex(1);
    const std::int64_t diskBytes = w.Survey().Root().diskBytes();
    EXPECT_LT(diskBytes, 1'000'000);
    EXPECT_EQ(w.KeyLabel()->text(), "Key");
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.KeyLabel()->text(), "Key (apparent sizes)");
    const std::int64_t directories = tree.Size("") + tree.Size("sparse") + tree.Size("small");
    EXPECT_EQ(w.Survey().Root().bytes(), 5'000'000'010LL + directories);
    EXPECT_EQ(Legend().SelectedIndex(), 1) << "the selection stays";
    const QString sparse = QString::fromStdString(FormatBytes(5'000'000'000LL + tree.Size("sparse")));
    EXPECT_TRUE(Legend().Text(Names().indexOf("sparse")).endsWith(sparse)) << sparse.toStdString();
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.KeyLabel()->text(), "Key");
    EXPECT_EQ(w.Survey().Root().bytes(), diskBytes);
}

TEST_F(MainWindowTest, LettersTypedInTheKeySelectByNameAndNeverSwitchTheView)
{
    TempTree tree;
    for (const char* name : {"Code", "Café", "srv", "usr", "Music"})
        tree.File(std::string(name) + "/f", 10);
    TKelmoWindow& w = StartOn(tree);
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(24 * 60 * 60 * 1000); // the letters of a test are one search
    QTest::keyClicks(&Legend(), "caf");
    EXPECT_EQ(Legend().Text(Legend().SelectedIndex()).section(' ', 0, 0), "Café");
    EXPECT_EQ(w.State().Mode(), SizeMode::DiskUsage);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // a new key, a new search
    QTest::keyClicks(&Legend(), "usr");
    EXPECT_EQ(Legend().Text(Legend().SelectedIndex()).section(' ', 0, 0), "usr");
    EXPECT_EQ(w.State().Order(), ChildOrder::LargestFirst);
    EXPECT_EQ(w.State().Units(), SizeUnits::Bytes);
    QApplication::setKeyboardInputInterval(interval);
}

TEST_F(MainWindowTest, TheWindowsMenuListsEveryCommandWithChecksThatFollowTheState)
{
    TempTree tree;
    tree.File("A/f", 1);
    TKelmoWindow& w = Start({"--apparent-size", tree.Root()}, {Drive(tree)});
    const std::vector<std::function<void()>> openers{
        [&w] { QTest::keyClick(&w, Qt::Key_F10); }, [&w] { QTest::keyClick(&w, Qt::Key_Menu); },
        [&w] {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), w.mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(&w, &click);
        },
        [&w] { QTest::mousePress(w.Chart(), Qt::RightButton, {}, QPoint(1, 1)); }};
    for (const auto& open : openers) {
        open();
        QMenu* menu = PoppedMenu();
        ASSERT_NE(menu, nullptr);
        std::set<QAction*> listed;
        CollectActions(*menu, listed);
        for (QAction* action : w.Commands().Actions())
            EXPECT_EQ(listed.count(action), action == w.Commands().Action(Command::Menu) ? 0u : 1u)
                << action->text().toStdString();
        menu->close();
    }
    EXPECT_TRUE(w.Commands().Action(Command::SizeMode)->isChecked()) << "apparent sizes from the command line";
    EXPECT_FALSE(w.Commands().Action(Command::Units)->isChecked());
    w.Commands().Trigger(Command::Units);
    EXPECT_TRUE(w.Commands().Action(Command::Units)->isChecked());
    EXPECT_EQ(w.State().Units(), SizeUnits::Binary);
}

TEST_F(MainWindowTest, TheMenusOfAnEntryAndOfTheKeyKeepTheirRows)
{
    TempTree tree;
    tree.File("A/B/f", 1);
    tree.File("A/C/f", 1);
    TKelmoWindow& w = StartOn(tree);
    DoubleClick("A");
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mousePress(Legend().viewport(), Qt::RightButton, {}, Legend().EntryRect(0).center());
    QMenu* menu = PoppedMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Rows(*menu),
              (QStringList{"Open in File Manager", "Copy Path", "Move to Trash...", "Files...", "-", "Sub Info", "-",
                           "Parent Directory", "Root Directory", "-", "Largest Files...", "Save Scan As...",
                           "Open Saved Scan..."}));
    EXPECT_EQ(Legend().SelectedIndex(), 0);
    menu->close();
}

TEST_F(MainWindowTest, F1OpensTheKeysWindowListingEveryCommandWithItsKeys)
{
    TempTree tree;
    tree.File("A/f", 1);
    TKelmoWindow& w = StartOn(tree);
    QTest::keyClick(&w, Qt::Key_F1);
    SmallWin* keys = OpenTextWindow();
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->windowTitle(), "Keys");
    const QStringList lines = keys->TextBox().toPlainText().split('\n');
    EXPECT_TRUE(lines.contains("    Apparent Sizes: Ctrl+Shift+A")) << lines.join('\n').toStdString();
    for (QAction* action : w.Commands().Actions()) {
        const QString keyText = action->shortcuts().isEmpty() ? QString() : ": " + action->shortcut().toString();
        EXPECT_FALSE(
            lines.filter(QRegularExpression("^ *" + QRegularExpression::escape(action->text() + keyText))).isEmpty())
            << action->text().toStdString();
    }
    keys->close();
}

TEST_F(MainWindowTest, BadCommandLinesShowTheUsageBoxAndScanNothing)
{
    TempTree tree;
    tree.File("x", 1);
    const std::vector<std::vector<std::string>> badLines{{tree.Root(), tree.Root()}, {"--frobnicate"}};
    for (const auto& args : badLines) {
        boxes.clear();
        TKelmoWindow& w = Start(args, {Drive(tree)});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Invalid command-line; Use:\n\n    kelmo <path>\n\ni.e.:    kelmo /home");
        EXPECT_EQ(boxes[0].caption, KelmoSplash::CreditCaption());
        EXPECT_EQ(boxes[0].icon, MessageIcon::None);
        EXPECT_FALSE(w.Survey().Root());
        EXPECT_FALSE(w.UpdateButton()->isEnabled());
        EXPECT_EQ(w.DriveList()->currentIndex(), -1);
        EXPECT_EQ(w.Legend(), nullptr);
        EXPECT_EQ(w.PathLabel()->text(), "");
        EXPECT_EQ(PixelAt(178, 178), QColor(0, 0, 255));

        w.EvDriveChange(0); // picking a drive makes Kelmo usable
        WaitForScan();
        EXPECT_TRUE(w.UpdateButton()->isEnabled());
        EXPECT_TRUE(w.Survey().Root());
    }
}

// Started from a menu there is no terminal: the window says why, names the
// folder as it was given, and offers its drives.
TEST_F(MainWindowTest, AFolderAtStartUpThatCannotBeReadIsNamedThenTheDrivesAreOffered)
{
    TempTree tree;
    tree.File("x", 1);
    const std::vector<std::pair<std::string, QString>> folders{
        {tree.Path("does-not-exist"), "Cannot access '%1': No such file or directory"},
        {tree.Path("x"), "Cannot read directory '%1': Not a directory"}};
    for (const auto& [folder, why] : folders) {
        boxes.clear();
        TKelmoWindow& w = Start({folder}, {Drive(tree)});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, why.arg(QString::fromStdString(folder)) + "\n\nPick a drive from the list.");
        EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
        EXPECT_FALSE(w.CloseRequested());
        EXPECT_FALSE(w.Survey().Root());
        EXPECT_EQ(w.DriveList()->count(), 1);
        EXPECT_EQ(w.focusWidget(), w.DriveList());

        PickDrive(0);
        WaitForScan();
        EXPECT_TRUE(w.Survey().Root());
    }
}

TEST_F(MainWindowTest, NoArgumentScansTheDriveOfTheCurrentDirectory)
{
    TempTree other, here;
    here.File("sub/f", 42);
    TKelmoWindow& w = StartFrom(here.Path("sub"), {Drive(other), Drive(here)});
    EXPECT_EQ(w.State().Scanned().DriveIndex(), 1);
    EXPECT_EQ(w.Survey().Root().apparentBytes(), 42 + here.Size("") + here.Size("sub"));
}

namespace {

bool AnySplash()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<KelmoSplash*>(widget) && widget->isVisible())
            return true;
    return false;
}

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
    // No running total is relayed during the scan, however slow the machine:
    // what reaches the splash is the final total, while it lingers.
    TKelmoWindow& w = Start({"--apparent-size", tree.Root()}, {Drive(tree)}, 100,
                            [](TKelmoWindow& started) { started.Scans().SetProgressInterval(24 * 3600 * 1000); });
    EXPECT_EQ(recorder.texts, QStringList{QString::fromStdString(FormatBytes(1234567 + tree.Size("")))});
    recorder.texts.clear();

    ASSERT_TRUE(WaitFor([] { return !AnySplash(); }));
    w.Scans().EvScanProgress(42);
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
    ASSERT_EQ(Legend().Count(), 10002);
    EXPECT_EQ(w.Chart()->Pie().Count(), 10002);
    w.grab();
    EXPECT_EQ(w.Chart()->DrawnSlices(), 10002);
    EXPECT_TRUE(Names().contains(QString(12, 'n')));
    EXPECT_EQ(Names().filter("-not-utf8").size(), 1);
    DoubleClick(QString(200, 'n'));
    EXPECT_EQ(boxes.size(), 1u);
}

namespace {

constexpr int kLongLinger = 5000;

bool AnyWindowVisible()
{
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            return true;
    return false;
}

// The way the window manager's close box reaches a window.
void CloseByWindowManager(QWidget& window)
{
    window.windowHandle()->close();
}

KelmoSplash* ShownSplash()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* splash = dynamic_cast<KelmoSplash*>(widget); splash && splash->isVisible())
            return splash;
    return nullptr;
}

// Scans that never end by themselves: each meets a share that answers only
// when the walk is told to stop, and sets reading once it waits there.
ScanController::ScannerFactory BlockedScans(std::atomic<bool>& reading)
{
    return [&reading] {
        auto fake = std::make_unique<FakeDirectorySource>();
        fake->OnRead(fake->AddDir(0, "slow-share"), [&reading](const std::atomic<bool>& stop) {
            reading = true;
            while (!stop)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        auto scanner = std::make_unique<Scanner>();
        scanner->SetSource(std::move(fake));
        return scanner;
    };
}

} // namespace

TEST_F(MainWindowTest, CloseDuringTheWaitAfterADriveSwitchEndsEverythingAtOnce)
{
    TempTree tree;
    tree.File("A/x", 1);
    TKelmoWindow& w = Start({"--no-scan"}, {Drive(tree)}, kLongLinger);
    w.show();
    QTimer::singleShot(50, &w, [&w] { CloseByWindowManager(w); });
    QElapsedTimer clock;
    clock.start();
    w.EvDriveChange(0);
    ASSERT_TRUE(WaitFor([&w] { return w.CloseRequested(); }));
    EXPECT_LT(clock.elapsed(), kLongLinger / 2);
    EXPECT_FALSE(AnyWindowVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(AnyWindowVisible()) << "no window comes back";
}

TEST_F(MainWindowTest, CloseDuringTheStartUpWaitLeavesNothingToShow)
{
    TempTree tree;
    tree.File("A/x", 1);
    QTimer::singleShot(50, [this] { CloseByWindowManager(*window); });
    QElapsedTimer clock;
    clock.start();
    TKelmoWindow& w = Start({tree.Root()}, {Drive(tree)}, kLongLinger);
    ASSERT_TRUE(WaitFor([&w] { return w.CloseRequested(); }));
    EXPECT_LT(clock.elapsed(), kLongLinger / 2);
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(MainWindowTest, CloseDuringAScanStopsTheWalk)
{
    TempTree tree;
    window = std::make_unique<TKelmoWindow>(ParseOptions({tree.Root()}), Drives({Drive(tree)}), 0);
    std::atomic<bool> reading{false};
    window->Scans().SetScannerFactory(BlockedScans(reading));
    window->SetupWindow();
    ASSERT_TRUE(WaitFor([&reading] { return reading.load(); }));
    for (const Command command : {Command::Update, Command::About, Command::RootInfo})
        EXPECT_FALSE(window->Commands().Action(command)->isEnabled()) << "nothing starts while the scan runs";
    ASSERT_NE(ShownSplash(), nullptr);
    CloseByWindowManager(*ShownSplash()); // the only window during the first scan
    EXPECT_TRUE(window->CloseRequested());
    EXPECT_FALSE(window->Scanning()) << "the walk has stopped";
    EXPECT_FALSE(window->Survey().Root());
    EXPECT_FALSE(AnyWindowVisible());
}

// Update and a drive switch alike: the scan stops, and the window goes on
// showing the tree it showed, where it showed it.
TEST_F(MainWindowTest, ClosingTheSplashOfALaterScanCancelsItAndKeepsTheTree)
{
    TempTree tree, other;
    tree.File("A/B/x", 1000);
    tree.File("A/C/y", 2000);
    tree.File("D/z", 3000);
    TKelmoWindow& w = Start({tree.Root()}, {Drive(tree), Drive(other)});
    DoubleClick("A");
    Legend().SetSelectedIndex(1);
    const std::string shown = DumpWithSizes(w.Survey().Root());
    const QStringList names = Names();
    const QString path = w.PathLabel()->text();
    const QString freeSpace = w.FreeBytesLabel()->text();
    std::atomic<bool> reading{false};
    w.Scans().SetScannerFactory(BlockedScans(reading));
    const std::vector<std::function<void()>> laterScans{[&w] { w.Commands().Trigger(Command::Update); },
                                                        [this] { PickDrive(EntryOf(1)); }};
    for (const auto& startScan : laterScans) {
        reading = false;
        startScan();
        ASSERT_TRUE(WaitFor([&reading] { return reading.load(); }));
        ASSERT_NE(ShownSplash(), nullptr);
        CloseByWindowManager(*ShownSplash());
        EXPECT_FALSE(w.Scanning()) << "the walk has stopped";
        EXPECT_FALSE(w.CloseRequested());
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(ShownSplash(), nullptr);
        EXPECT_EQ(DumpWithSizes(w.Survey().Root()), shown);
        EXPECT_EQ(Names(), names);
        EXPECT_EQ(Legend().SelectedIndex(), 1);
        EXPECT_EQ(w.PathLabel()->text(), path);
        EXPECT_EQ(w.FreeBytesLabel()->text(), freeSpace);
        EXPECT_EQ(CurrentDrive(), 0) << "the list names the drive on display";
        EXPECT_TRUE(boxes.empty());
        EXPECT_TRUE(w.Commands().Action(Command::Update)->isEnabled());
    }
}

TEST_F(MainWindowTest, CloseWhileAboutOrATextWindowIsOpenClosesThemToo)
{
    TempTree tree;
    tree.File("A/x", 1);
    for (const Command command : {Command::About, Command::RootInfo}) {
        TKelmoWindow& w = StartOn(tree);
        Run(command);
        CloseByWindowManager(w);
        EXPECT_FALSE(AnyWindowVisible()) << static_cast<int>(command);
    }
}

TEST_F(MainWindowTest, CloseWhileAMessageBoxIsOpenEndsItsWait)
{
    SetMessageBoxHandler({}); // the real box
    TempTree tree;
    tree.File("A/x", 1);
    TKelmoWindow& w = StartOn(tree);
    bool modal = false;
    QTimer::singleShot(50, &w, [&w, &modal] {
        modal = QGuiApplication::modalWindow() != nullptr;
        CloseByWindowManager(w);
    });
    QTimer::singleShot(kLongLinger, [] {
        if (QMessageBox* box = ShownMessageBox())
            box->close();
    });
    QElapsedTimer clock;
    clock.start();
    w.Legend()->SetSelectedIndex(-1);
    w.EvLegendDblClk(); // "Sub-Directory Not Found"
    EXPECT_FALSE(modal) << "Qt would drop the window manager's close request";
    EXPECT_LT(clock.elapsed(), kLongLinger / 2);
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(MainWindowTest, TextWindowKeepsTheMainWindowsLookButTakesItsClicks)
{
    TempTree tree;
    tree.File("A/x", 1);
    tree.File("B/y", 2);
    TKelmoWindow& w = StartOn(tree);
    std::vector<QWidget*> shown{w.Legend()};
    for (QLabel* label : w.findChildren<QLabel*>())
        shown.push_back(label);
    const QImage before = w.grab().toImage();
    Run(Command::RootInfo);
    ASSERT_NE(OpenTextWindow(), nullptr);
    const QImage during = w.grab().toImage();
    for (const QWidget* widget : shown)
        EXPECT_TRUE(before.copy(widget->geometry()) == during.copy(widget->geometry()))
            << widget->metaObject()->className();

    tree.File("C/z", 4);
    QTest::mouseClick(w.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(Names().size(), 2) << "no rescan";
}

TEST_F(MainWindowTest, NoArgumentFromADirectoryOnNoDriveIsNotAvailable)
{
    TempTree drive, elsewhere;
    drive.File("x", 1);
    TKelmoWindow& w = StartFrom(elsewhere.Root(), {Drive(drive)});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Selected Disk was Not\nAvailable or is Blank");
    EXPECT_FALSE(w.UpdateButton()->isEnabled());
}

TEST_F(MainWindowTest, LegendHasTheFocusAfterAScanAndAfterATextWindow)
{
    TempTree tree;
    tree.File("A/x", 1);
    TKelmoWindow& w = StartOn(tree);
    EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == w.Legend(); }));
    Run(Command::RootInfo);
    OpenTextWindow()->close();
    EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == w.Legend(); }));
}

TEST_F(MainWindowTest, AScanShowsAMinimisedWindowNormally)
{
    TempTree tree;
    tree.File("A/x", 1);
    TKelmoWindow& w = StartOn(tree);
    w.showMinimized();
    w.CmUpdate();
    WaitForScan();
    EXPECT_FALSE(w.isMinimized());
}

TEST_F(MainWindowTest, KeysMoveTheSelectionGoDownBackTopAndUpdate)
{
    TempTree tree;
    tree.File("A/B/C/x", 1);
    tree.File("D/y", 2);
    TKelmoWindow& w = StartOn(tree);
    const QString root = QString::fromStdString(tree.Root()) + "/";
    KeyBox* legend = w.Legend();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Up, Qt::AltModifier}, {Qt::Key_Home, Qt::AltModifier}})
        QTest::keyClick(legend, key, modifiers);
    EXPECT_EQ(w.Path().Text(), root) << "Back and Top are disabled at the root";
    EXPECT_EQ(Legend().SelectedIndex(), -1);

    w.grab();
    QTest::keyClick(legend, Qt::Key_Down);
    EXPECT_EQ(Legend().SelectedIndex(), 0);
    EXPECT_FALSE(w.Chart()->MarkerRects().empty()) << "the markers follow";
    Legend().SetSelectedIndex(Names().indexOf("A"));
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&Legend(), Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.Path().Text(), root + "A/B/");
    QTest::keyClick(&w, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(w.Path().Text(), root + "A/");
    QTest::keyClick(&Legend(), Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&w, Qt::Key_Backspace);
    EXPECT_EQ(w.Path().Text(), root + "A/");
    QTest::keyClick(&Legend(), Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&w, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(w.Path().Text(), root);

    tree.File("E/z", 4);
    QTest::keyClick(&w, Qt::Key_F5);
    WaitForScan();
    EXPECT_EQ(Names().size(), 3);
    w.DriveList()->setFocus();
    QTest::keyClick(w.DriveList(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.KeyLabel()->text(), "Key (apparent sizes)") << "the window's keys work wherever its focus is";
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, UpdateKeyDoesNothingWhileUpdateIsDisabled)
{
    TempTree tree;
    tree.File("A/x", 1);
    TKelmoWindow& w = Start({"--no-scan"}, {Drive(tree)});
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_FALSE(w.Survey().Root());
}

TEST_F(MainWindowTest, DoubleClickOnASliceGoesDown)
{
    TempTree tree;
    tree.File("small/in/f", 1000);
    tree.File("large/in/f", 3000);
    TKelmoWindow& w = StartOn(tree);
    w.grab();
    const QPoint inSmall = Names().indexOf("small") == 0 ? QPoint(178, 40) : QPoint(178, 320);
    QTest::mouseClick(w.Chart(), Qt::LeftButton, {}, inSmall);
    QTest::mouseDClick(w.Chart(), Qt::LeftButton, {}, inSmall);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Path().Text(), QString::fromStdString(tree.Root()) + "/small/");
}

TEST_F(MainWindowTest, SliceAndEntryTooltipsGiveWholeNameSizeAndShare)
{
    TempTree tree;
    const std::string longName = "\xff-a-name-that-is-not-utf8-and-long";
    tree.File("small/f", 1000);
    tree.File(longName + "/f", 3000);
    tree.File("loose", 1000);
    TKelmoWindow& w = StartOn(tree);
    w.grab();
    const int entry = Names().indexOf("small") == 0 ? 1 : 0;
    const auto children = w.Survey().Cursor().BuildChildList();
    const std::int64_t size = children->sizes[entry];
    const QString expected = QString::fromUtf8(longName.c_str()) + "\n" + QString::fromStdString(FormatBytes(size))
        + " bytes\n" + QString::number(100.0 * size / w.Survey().Root().bytes(), 'f', 1) + " % of "
        + QString::fromStdString(tree.Root()) + "/\n1 item";
    EXPECT_TRUE(expected.startsWith(QChar(0xFFFD)));
    EXPECT_EQ(Legend().model()->index(entry, 0).data(Qt::ToolTipRole).toString(), expected);

    const QPoint inSlice = entry == 0 ? QPoint(178, 40) : QPoint(178, 320);
    QHelpEvent help(QEvent::ToolTip, inSlice, w.mapToGlobal(inSlice));
    QApplication::sendEvent(w.Chart(), &help);
    EXPECT_EQ(QToolTip::text(), expected);
    QToolTip::hideText();
}

// True when area holds only the chart's colours and the window's grey: no
// pixel blended by scaling.
bool HasOnlyChartColours(const QImage& image, const QRect& area)
{
    std::set<QRgb> allowed{QColor(192, 192, 192).rgb()};
    for (const SliceColor colour : SliceColors)
        allowed.insert(QColor(colour.red, colour.green, colour.blue).rgb());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (allowed.count(image.pixel(x, y)) == 0)
                return false;
    return true;
}

// True when some aligned 2 x 2 block of pixels in area is not one colour:
// the picture has detail finer than its pixels at half the resolution.
bool HasDetailFinerThanTwoPixels(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                || image.pixel(x + 1, y + 1) != corner)
                return true;
        }
    return false;
}

TEST_F(MainWindowTest, ChartAndMarkersAreDrawnAtTwiceTheResolution)
{
    TempTree tree;
    tree.File("a/f", 1000);
    tree.File("b/f", 3000);
    TKelmoWindow& w = StartOn(tree);
    w.grab();
    Legend().SetSelectedIndex(0);
    QImage image(w.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    w.render(&image);
    ASSERT_EQ(w.Chart()->MarkerRects().size(), 2u);
    for (const QRect& square : w.Chart()->MarkerRects())
        EXPECT_TRUE(HasOnlyChartColours(image, QRect(square.topLeft() * 2, square.size() * 2)))
            << "the markers' black and greys are exact";
    const QRect chart(40, 52, 634, 622); // below the Top and Back buttons
    EXPECT_TRUE(HasOnlyChartColours(image, chart) && HasDetailFinerThanTwoPixels(image, chart))
        << "the chart is not scaled up";
}

TEST_F(MainWindowTest, ASavedScanIsShownLikeADriveThatCannotBeUpdated)
{
    TempTree files, live;
    live.File("here/f", 10);
    files.File("scan.json", 0);
    {
        std::ofstream(files.Path("scan.json"))
            << R"([1,2,{"progname":"ncdu"},[{"name":"/srv/data","dev":7,"dsize":4096},)"
            << R"({"name":"f","asize":100,"dsize":4096},[{"name":"sub","dsize":4096},{"name":"g","asize":50,"dsize":8192}]]])";
    }
    TKelmoWindow& w = Start({"--import", files.Path("scan.json")}, {Drive(live)});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(w.PathLabel()->text(), "/srv/data/");
    EXPECT_EQ(w.FreeBytesLabel()->text(), "Free Space : Unknown");
    EXPECT_FALSE(w.UpdateButton()->isEnabled());
    EXPECT_EQ(w.DriveList()->currentText(), "/srv/data (saved)");
    EXPECT_EQ(Names(), QStringList{"sub"});
    EXPECT_EQ(w.Survey().Root().bytes(), 4096 + 4096 + 4096 + 8192);

    w.EvDriveChange(EntryOf(0)); // a real drive works as usual
    WaitForScan();
    EXPECT_TRUE(w.UpdateButton()->isEnabled());
    EXPECT_EQ(Names(), QStringList{"here"});
    w.EvDriveChange(w.DriveList()->findText("(saved)", Qt::MatchEndsWith));
    WaitForScan();
    EXPECT_FALSE(w.UpdateButton()->isEnabled());
    EXPECT_EQ(w.PathLabel()->text(), "/srv/data/");

    std::ofstream(files.Path("scan.json")) << "[1,2,{},[{\"name\":\"/x\"}";
    TKelmoWindow& damaged = Start({"--import", files.Path("scan.json")}, {Drive(live)});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("Saved scan is damaged at byte ")) << boxes[0].text.toStdString();
    EXPECT_FALSE(damaged.Survey().Root());
    EXPECT_FALSE(damaged.UpdateButton()->isEnabled());
    EXPECT_EQ(damaged.DriveList()->count(), 1) << "the real drives are offered, the damaged scan is not";
    EXPECT_EQ(damaged.ExitStatus(), 1) << "closed without a tree, as --report --import ends";
    damaged.EvDriveChange(0);
    WaitForScan();
    EXPECT_EQ(damaged.ExitStatus(), 0);
}

// Three machines' saved scans, shown as one tree: a directory for each,
// named by its host and root, the root their sum; compared with an older
// set in another order, each with its own machine's.
TEST_F(MainWindowTest, SeveralSavedScansAreOneTreeComparedMachineByMachine)
{
    TempTree files, live;
    live.File("here/f", 10);
    const auto save = [&](const std::string& name, const std::string& host, const std::string& root, int bytes) {
        std::ofstream(files.Path(name)) << R"([1,2,{"progname":"kelmo","host":")" << host << R"("},[{"name":")" << root
                                        << R"(","dsize":4096},[{"name":"sub","dsize":4096},{"name":"f","dsize":)"
                                        << bytes << "}]]]";
        return files.Path(name);
    };
    const std::string web1 = save("a.json", "web1", "/srv", 8192), web2 = save("b.json", "web2", "/srv", 81920),
                      db = save("c.json", "db", "/var", 40960);
    TKelmoWindow& w = Start({"--import", web1, web2, db}, {Drive(live)});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Names(), (QStringList{"web1:/srv", "web2:/srv", "db:/var"}));
    EXPECT_EQ(w.Survey().Root().bytes(), 3 * 8192 + 8192 + 81920 + 40960);
    EXPECT_FALSE(w.UpdateButton()->isEnabled());
    DoubleClick("db:/var");
    EXPECT_EQ(Names(), QStringList{"sub"});
    EXPECT_EQ(w.Survey().Root().bytes(), 3 * 8192 + 8192 + 81920 + 40960);
    w.CmBack();
    EXPECT_EQ(Names().size(), 3);
    Run(Command::SaveScan);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("Several saved scans shown as one cannot be saved"))
        << boxes[0].text.toStdString();

    const std::string web2Later = save("b2.json", "web2", "/srv", 800000);
    Start({"--import", web1, web2Later, db, "--compare", web2, web1}, {Drive(live)});
    EXPECT_EQ(boxes.size(), 1u) << "scans of the same roots are compared without a word";
    ASSERT_EQ(Names(), (QStringList{"web2:/srv", "db:/var", "web1:/srv"}));
    EXPECT_TRUE(Legend().Text(0).contains("+")) << Legend().Text(0).toStdString();
    EXPECT_TRUE(Legend().Text(1).endsWith("new")) << Legend().Text(1).toStdString();
    EXPECT_TRUE(Legend().Text(2).endsWith(" 0")) << Legend().Text(2).toStdString();
}

TEST_F(MainWindowTest, ALargerWindowGrowsThePieAndTheKeyAndKeepsTheEdges)
{
    TempTree tree;
    tree.File("a/f", 1000);
    tree.File("b/f", 3000);
    TKelmoWindow& w = StartOn(tree);
    EXPECT_EQ(w.minimumSize(), QSize(634, 453));
    EXPECT_EQ(w.Chart()->Pie().Bounds(), (PieRect{20, 20, 337, 337}));
    EXPECT_EQ(w.Legend()->geometry(), QRect(370, 130, 250, 250));
    EXPECT_EQ(w.UpdateButton()->geometry(), QRect(460, 400, 80, 20));

    w.resize(1000, 700);
    EXPECT_EQ(w.Chart()->Pie().Bounds(), (PieRect{20, 20, 520, 520})) << "half the width, the larger side";
    EXPECT_EQ(w.Legend()->geometry(), QRect(553, 130, 433, 497));
    EXPECT_EQ(w.DriveList()->geometry().right(), 1000 - 14 - 1);
    EXPECT_EQ(w.UpdateButton()->geometry(), QRect(826, 647, 80, 20)) << "the bottom row keeps to the bottom edge";
    EXPECT_EQ(w.FreeBytesLabel()->geometry().top(), 597);
    const QColor beyondTheFirstSquare = PixelAt(400, 270);
    EXPECT_TRUE(beyondTheFirstSquare == QColor(0, 0, 255) || beyondTheFirstSquare == QColor(0, 255, 255))
        << "the larger pie is drawn";
}

TEST_F(MainWindowTest, AWindowClosedMaximisedOpensMaximised)
{
    TempTree tree, config;
    tree.File("a/f", 1);
    const QString settings = QString::fromStdString(config.Path("kelmo/kelmo.conf"));
    for (const bool second : {false, true}) {
        window = std::make_unique<TKelmoWindow>(ParseOptions({tree.Root()}), Drives({Drive(tree)}), 0, settings);
        window->SetupWindow();
        WaitForScan();
        if (second) {
            EXPECT_TRUE(window->isMaximized());
            break;
        }
        window->showMaximized();
        window->close();
    }
}

TEST_F(MainWindowTest, SortBySizeUnitsAndTheWindowsSizeAreKeptBetweenRuns)
{
    TempTree tree, config;
    tree.File("small/f", 10);
    tree.File("large/f", 100000);
    tree.File("middle/f", 20000);
    const QString settings = QString::fromStdString(config.Path("kelmo/kelmo.conf"));
    QStringList listing;
    for (const bool second : {false, true}) {
        window = std::make_unique<TKelmoWindow>(ParseOptions({tree.Root()}), Drives({Drive(tree)}), 0, settings);
        window->SetupWindow();
        WaitForScan();
        if (second) {
            EXPECT_EQ(window->size(), QSize(900, 650));
            EXPECT_EQ(Names(), (QStringList{"large", "middle", "small"}));
            EXPECT_TRUE(Legend().Text(0).endsWith(" KiB")) << Legend().Text(0).toStdString();
            EXPECT_TRUE(window->FreeBytesLabel()->text().endsWith("B")) << "the free space in units too";
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(Names(), listing) << "and back to listing order";
            break;
        }
        EXPECT_EQ(window->size(), QSize(634, 453));
        listing = Names();
        Legend().SetSelectedIndex(Names().indexOf("middle"));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Names(), (QStringList{"large", "middle", "small"}));
        EXPECT_EQ(Legend().SelectedIndex(), 1) << "the selection follows its entry";
        EXPECT_EQ(window->Chart()->Pie().Count(), 3);
        QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
        window->resize(900, 650);
        window->close();
    }
}

TEST_F(MainWindowTest, CtrlTwoShowsRingsWhoseDoubleClickGoesDeepAndAreKeptBetweenRuns)
{
    TempTree tree, config;
    tree.File("big/deep/inner/leaf/f", 30000);
    tree.File("small/f", 1000);
    const QString settings = QString::fromStdString(config.Path("kelmo/kelmo.conf"));
    for (const bool second : {false, true}) {
        window = std::make_unique<TKelmoWindow>(ParseOptions({tree.Root()}), Drives({Drive(tree)}), 0, settings);
        window->SetupWindow();
        WaitForScan();
        auto* rings = qobject_cast<RingsView*>(window->View());
        if (second) {
            ASSERT_NE(rings, nullptr) << "the rings come back";
            EXPECT_EQ(rings->Depth(), 4);
            break;
        }
        EXPECT_EQ(rings, nullptr) << "the pie first";
        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        rings = qobject_cast<RingsView*>(window->View());
        ASSERT_NE(rings, nullptr);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
        ASSERT_EQ(rings->Depth(), 4);
        const std::vector<RingSegment>& secondRing = rings->Layout().Ring(2);
        ASSERT_EQ(secondRing.size(), 1u);
        ASSERT_EQ(secondRing[0].node.name(), "inner");
        const QPoint at = rings->PointAt(2, secondRing[0].start + secondRing[0].sweep / 2);
        QTest::mouseDClick(rings, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->Path().Text(), QString::fromStdString(tree.Root()) + "/big/deep/inner/");
        EXPECT_TRUE(boxes.empty());
        window->close();
    }
}

// Each picture has a command of its own, and the menus check the one shown.
TEST_F(MainWindowTest, EachViewHasItsOwnCommandCheckedWhileItShows)
{
    TempTree tree;
    tree.File("A/f", 1);
    TKelmoWindow& w = StartOn(tree);
    QAction* pie = w.Commands().Action(Command::ShowPie);
    QAction* rings = w.Commands().Action(Command::ShowRings);
    EXPECT_EQ(pie->text(), "Pie Chart");
    EXPECT_EQ(rings->text(), "Rings");
    EXPECT_TRUE(pie->isChecked());
    EXPECT_FALSE(rings->isChecked());
    QTest::keyClick(&w, Qt::Key_2, Qt::ControlModifier);
    EXPECT_NE(qobject_cast<RingsView*>(w.View()), nullptr);
    EXPECT_FALSE(pie->isChecked());
    EXPECT_TRUE(rings->isChecked());
    Run(Command::ShowRings);
    EXPECT_TRUE(rings->isChecked()) << "choosing the view shown keeps it";
    Run(Command::ShowPie);
    EXPECT_NE(w.Chart(), nullptr);
    EXPECT_TRUE(pie->isChecked());
    EXPECT_FALSE(rings->isChecked());
}

TEST_F(MainWindowTest, CompareShowsWhatGrewSinceASavedScanAndGoesBackToSizes)
{
    // The earlier scan is of a folder below the drive's root: the window
    // scans the drive, shows that folder and compares it there.
    TempTree drive, files;
    drive.File("tree/grew/f", 1000);
    drive.File("tree/same/f", 1000);
    drive.File("tree/gone/f", 1000);
    drive.File("elsewhere/f", 1);
    const std::string scan = files.Path("old.json");
    std::ostringstream err;
    ASSERT_EQ(RunExport(ParseOptions({"--export", scan, drive.Path("tree")}), err), 0) << err.str();
    drive.File("tree/grew/g", 500000);
    std::filesystem::remove_all(drive.Path("tree/gone"));
    drive.File("tree/born/f", 100);

    TKelmoWindow& w = Start({"--compare", scan}, {Drive(drive)});
    EXPECT_EQ(w.Path().Text(), QString::fromStdString(drive.Root() + "/tree/"));
    EXPECT_TRUE(boxes.empty()) << "a scan of the same root is compared without a word";
    EXPECT_TRUE(w.KeyLabel()->toolTip().contains("% of it matched")) << w.KeyLabel()->toolTip().toStdString();
    EXPECT_TRUE(w.KeyLabel()->text().startsWith("Key (growth since ")) << w.KeyLabel()->text().toStdString();
    ASSERT_EQ(Names(), (QStringList{"grew", "born", "same", "gone"})) << "largest growth first, gone last";
    EXPECT_TRUE(Legend().Text(0).contains(" +")) << Legend().Text(0).toStdString();
    EXPECT_TRUE(Legend().Text(1).endsWith("new"));
    EXPECT_TRUE(Legend().Text(2).endsWith(" 0"));
    EXPECT_TRUE(Legend().Text(3).endsWith("gone"));

    Legend().SetSelectedIndex(0);
    Run(Command::SubInfo);
    SmallWin* info = OpenTextWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->TextBox().toPlainText().contains("Old Size     : "))
        << info->TextBox().toPlainText().toStdString();
    info->close();
    Legend().SetSelectedIndex(3);
    window->EvLegendDblClk();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "This directory is gone since the earlier scan");

    Run(Command::ShowSizes);
    EXPECT_EQ(w.KeyLabel()->text(), "Key");
    EXPECT_EQ(Names().size(), 3);
}

// Two recordings of a drive, on 1 and 2 December: the window compares with
// either, named as a moment or chosen from "Compare with...", and the
// History window lists where the drive grew between them.
TEST_F(MainWindowTest, TheDrivesRecordingsAreComparedWithAndItsHistoryShowsTheGrowth)
{
    TempTree drive, history;
    setenv("KELMO_HISTORY_DIR", history.Root().c_str(), 1);
    drive.File("tree/grew/f", 1000);
    drive.File("other/f", 1000);
    std::ostringstream err;
    const std::int64_t firstDecemberNoon = 1796126400; // 2026-12-01 12:00 UTC
    ASSERT_EQ(RunRecord(ParseOptions({"--record"}), Drive(drive), firstDecemberNoon, err), 0) << err.str();
    drive.File("tree/grew/g", 500000);
    ASSERT_EQ(RunRecord(ParseOptions({"--record"}), Drive(drive), firstDecemberNoon + 86400, err), 0) << err.str();

    TKelmoWindow& w = Start({"--compare", "@2026-12-01", drive.Root()}, {Drive(drive)});
    EXPECT_EQ(w.KeyLabel()->text(), "Key (growth since 1 Dec 2026)");
    EXPECT_EQ(Names().front(), "tree");

    QStringList offered;
    const ChoiceHandler previous = SetChoiceHandler([&](QWidget*, const QStringList& choices) {
        offered = choices;
        return 0; // the newest
    });
    Run(Command::Compare);
    WaitForScan();
    SetChoiceHandler(previous);
    ASSERT_EQ(offered.size(), 4) << offered.join('|').toStdString();
    EXPECT_TRUE(offered[0].startsWith("2 Dec 2026 12:00 UTC: ")) << offered[0].toStdString();
    EXPECT_EQ(offered[3], "Other Saved Scan...");
    EXPECT_EQ(w.KeyLabel()->text(), "Key (growth since 2 Dec 2026)");

    Run(Command::History);
    HistoryWindow* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = dynamic_cast<HistoryWindow*>(widget); found && found->isVisible())
            shown = found;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Chart()->From(), 0);
    EXPECT_EQ(shown->Chart()->To(), 1);
    ASSERT_TRUE(WaitFor([shown] { return shown->Growers()->topLevelItemCount() > 0; }));
    EXPECT_EQ(shown->Growers()->topLevelItem(0)->text(1), QString::fromStdString(drive.Path("tree/grew")));
    EXPECT_TRUE(shown->Growers()->topLevelItem(0)->text(0).startsWith("+"));
    shown->close();
    unsetenv("KELMO_HISTORY_DIR");
}
