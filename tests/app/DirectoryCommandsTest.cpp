#include "TKelmoWindow.h"

#include "ChartView.h"
#include "DirectoryActions.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "FormatBytes.h"
#include "LegendModel.h"
#include "MessageBoxes.h"
#include "QPainterPieCanvas.h"
#include "QtTestSupport.h"
#include "RingsView.h"
#include "ScannedSurvey.h"
#include "TargetCommands.h"
#include "TempTree.h"
#include "TrashMove.h"
#include "TreeDump.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The real window on a temporary tree posing as a drive, which makes its
// own trash; the home is another temporary directory. Questions are
// answered by the test and message boxes recorded.
class DirectoryCommandsTest : public ::testing::Test {
protected:
    DirectoryCommandsTest()
    {
        previousHome = qgetenv("HOME");
        previousData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", QByteArray::fromStdString(home.Root()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.Path("data")));
        previousBoxes = SetMessageBoxHandler(
            [this](QWidget*, const QString& text, const QString&, MessageIcon) { boxes << text; });
        previousQuestions = SetQuestionBoxHandler([this](QWidget*, const QString& text, const QString&) {
            questions << text;
            return answer;
        });
    }
    ~DirectoryCommandsTest() override
    {
        window.reset();
        SetMessageBoxHandler(previousBoxes);
        SetQuestionBoxHandler(previousQuestions);
        qputenv("HOME", previousHome);
        qputenv("XDG_DATA_HOME", previousData);
    }

    // Starts on the tree's root, or on path.
    void Start(const std::vector<std::string>& args = {}, const std::string& path = {})
    {
        std::vector<std::string> line = args;
        line.push_back(path.empty() ? tree.Root() : path);
        window = std::make_unique<TKelmoWindow>(ParseOptions(line), Drives({{"test", tree.Root(), "ext4"}}), 0);
        window->SetupWindow();
        ASSERT_TRUE(WaitFor([this] { return !window->Scanning(); }));
        QCoreApplication::processEvents();
    }
    void Select(const std::string& name)
    {
        KeyBox& legend = *window->Legend();
        for (int i = 0; i < legend.Count(); ++i)
            if (legend.Text(i).startsWith(QString::fromStdString(name) + " "))
                legend.SetSelectedIndex(i);
    }
    bool Enabled(Command command) const
    {
        window->Commands().Refresh();
        return window->Commands().Action(command)->isEnabled();
    }
    void Run(Command command)
    {
        window->Commands().Trigger(command);
        QCoreApplication::processEvents();
    }
    std::string FreshScan() const
    {
        ScannedSurvey fresh;
        EXPECT_TRUE(fresh.ScanPath(tree.Root(), tree.Root()));
        return DumpSortedWithSizes(fresh.Root());
    }
    std::string Shown() const { return DumpSortedWithSizes(window->Survey().Root()); }
    // The drive's own trash, in the tree.
    std::string Trash(const std::string& relative) const
    {
        return tree.Path(".Trash-" + std::to_string(geteuid()) + "/" + relative);
    }

    TempTree tree;
    TempTree home;
    std::unique_ptr<TKelmoWindow> window;
    QStringList boxes;
    QStringList questions;
    bool answer = true;

private:
    QByteArray previousHome;
    QByteArray previousData;
    MessageBoxHandler previousBoxes;
    QuestionBoxHandler previousQuestions;
};

} // namespace

// The directory goes whole to the drive's trash with its record; the tree
// left on display, where it lies in the trash, is the one a new scan finds,
// and the trash is not offered for the trash.
TEST_F(DirectoryCommandsTest, MoveToTrashChangesTheTreeAsANewScanWouldSeeIt)
{
    tree.File("keep/a", 5000);
    tree.File("gone/x/y", 9000);
    tree.Sparse("gone/s", 1 << 20);
    tree.File("top", 100);
    Start();
    EXPECT_FALSE(Enabled(Command::MoveToTrash)) << "the directory on display stays";
    Select("gone");
    ASSERT_TRUE(Enabled(Command::MoveToTrash));
    const DirNode gone = window->Survey().Cursor().Find("gone");
    Run(Command::MoveToTrash);

    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QString::fromStdString(tree.Path("gone"))));
    EXPECT_TRUE(questions[0].contains(QString::fromStdString(FormatBytes(gone.diskBytes()))));
    EXPECT_TRUE(questions[0].contains(QString::fromStdString(FormatBytes(gone.apparentBytes()))));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    EXPECT_FALSE(std::filesystem::exists(tree.Path("gone")));
    EXPECT_TRUE(std::filesystem::exists(tree.Path("keep/a")));
    EXPECT_EQ(std::filesystem::file_size(Trash("files/gone/x/y")), 9000u);
    EXPECT_NE(ReadFile(Trash("info/gone.trashinfo")).find("\nPath=gone\n"), std::string::npos);
    EXPECT_EQ(Shown(), FreshScan());

    window->Legend()->SetSelectedIndex(-1);
    Select(".Trash-" + std::to_string(geteuid()));
    ASSERT_GE(window->Legend()->SelectedIndex(), 0);
    EXPECT_FALSE(Enabled(Command::MoveToTrash));
}

// Where the drive's own trash is not safe, the home trash takes the
// directory when it lies on the same drive; lying in the scanned tree, it
// is counted there as a new scan counts it.
TEST_F(DirectoryCommandsTest, AHomeTrashInTheTreeTakesTheDirectoryWithItsSizes)
{
    tree.File("gone/x", 9000);
    tree.Dir("me/data");
    tree.Dir(".Trash-" + std::to_string(geteuid()));
    std::filesystem::permissions(Trash(""), std::filesystem::perms::all);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.Path("me/data")));
    Start();
    Select("gone");
    Run(Command::MoveToTrash);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    EXPECT_TRUE(std::filesystem::exists(tree.Path("me/data/Trash/files/gone/x")));
    EXPECT_TRUE(std::filesystem::is_empty(Trash("")));
    EXPECT_EQ(Shown(), FreshScan());
}

// The move runs off the window's thread, with the busy cursor, while the
// window goes on handling its events.
TEST_F(DirectoryCommandsTest, TheWindowGoesOnWhileAMoveRuns)
{
    tree.File("gone/x", 9000);
    tree.File("keep/y", 100);
    Start();
    Select("gone");
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    bool offTheWindowsThread = false;
    const DirectoryActions::TrashMover previous = DirectoryActions::SetTrashMover([&](TrashMove& move) {
        offTheWindowsThread = QThread::currentThread() != qApp->thread();
        if (offTheWindowsThread)
            released.wait();
        return move.Move();
    });
    bool handledMeanwhile = false;
    bool busyMeanwhile = false;
    QTimer::singleShot(0, window.get(), [&] {
        handledMeanwhile = true;
        busyMeanwhile = QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        release.set_value();
    });
    Run(Command::MoveToTrash);
    DirectoryActions::SetTrashMover(previous);
    EXPECT_TRUE(offTheWindowsThread);
    EXPECT_TRUE(handledMeanwhile);
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(tree.Path("gone")));
    EXPECT_EQ(Shown(), FreshScan());
}

// Refused, or failed, the tree stays as it was.
TEST_F(DirectoryCommandsTest, AMoveThatFailsOrIsRefusedChangesNothing)
{
    tree.File("gone/x", 9000);
    tree.File("other/y", 100);
    Start();
    const std::string before = DumpWithSizes(window->Survey().Root());
    Select("gone");
    answer = false;
    Run(Command::MoveToTrash);
    EXPECT_TRUE(std::filesystem::exists(tree.Path("gone/x")));

    answer = true;
    std::filesystem::rename(tree.Path("gone"), tree.Path("moved"));
    Select("gone");
    Run(Command::MoveToTrash);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Could not move to the trash:")) << boxes[0].toStdString();
    EXPECT_EQ(before, DumpWithSizes(window->Survey().Root()));
    EXPECT_EQ(window->Legend()->Count(), 2);
}

// A folder's colour follows its place in the listing: the key, the pie and
// the rings give it the same one in either order, and it stays when a
// sibling goes to the trash.
TEST_F(DirectoryCommandsTest, AFolderKeepsItsColourAcrossAResortAndASiblingsRemoval)
{
    for (int i = 0; i < 10; ++i)
        tree.File("d" + std::to_string(i) + "/f", (i + 1) * 10000);
    Start();
    const auto colours = [this] {
        std::map<QString, std::pair<QColor, QColor>> byName; // the key's and the pie's
        KeyBox& legend = *window->Legend();
        ChartView& chart = *window->Chart();
        for (int i = 0; i < legend.Count(); ++i) {
            legend.SetSelectedIndex(i);
            const QImage pie = chart.grab().toImage();
            const std::vector<QRect> marks = chart.MarkerRects();
            const PiePoint centre = chart.Pie().Center();
            const QPoint inside = (QPoint(centre.x, centre.y) + marks.at(0).center() + marks.at(1).center()) / 3;
            byName[legend.Text(i).section(' ', 0, 0)] = {
                legend.model()->index(i, 0).data(LegendModel::ColorRole).value<QColor>(), pie.pixelColor(inside)};
        }
        return byName;
    };
    auto before = colours();
    ASSERT_EQ(before.size(), 10u);
    EXPECT_NE(before["d0"].first, before["d1"].first);
    for (const auto& [name, shown] : before)
        EXPECT_EQ(shown.first, shown.second) << name.toStdString() << ": the pie as the key";

    window->CmSortOrder();
    EXPECT_EQ(colours(), before);

    // Neither the first nor the last of the listing, whose colours touch on the circle.
    const std::vector<int>& places = window->State().Children()->places;
    const int second = static_cast<int>(std::find(places.begin(), places.end(), 1) - places.begin());
    window->Legend()->SetSelectedIndex(second);
    before.erase(window->Legend()->Text(second).section(' ', 0, 0));
    Run(Command::MoveToTrash);
    // It now lies in the drive's trash, which the key shows as well.
    const QString trash = QString::fromStdString(".Trash-" + std::to_string(geteuid()));
    auto after = colours();
    ASSERT_EQ(after.erase(trash), 1u);
    EXPECT_EQ(after, before);

    Run(Command::ShowRings);
    const auto* rings = qobject_cast<RingsView*>(window->View());
    ASSERT_NE(rings, nullptr);
    for (const RingSegment& segment : rings->Layout().Ring(0)) {
        const QString name = window->Legend()->Text(segment.entry).section(' ', 0, 0);
        if (name != trash) {
            EXPECT_EQ(ToQColor(segment.color), before[name].first) << name.toStdString();
        }
    }
}

// A name that is not UTF-8 reaches the clipboard's URL byte for byte.
TEST_F(DirectoryCommandsTest, CopyPathKeepsBytesThatAreNotUtf8)
{
    EXPECT_EQ(DirectoryActions::FileUrl("/tmp/caf\xe9 x"), QByteArray("file:///tmp/caf%E9%20x"));
    tree.File("caf\xe9/f", 10);
    Start();
    window->Legend()->SetSelectedIndex(0);
    Run(Command::CopyPath);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->data("text/uri-list"), DirectoryActions::FileUrl(tree.Path("caf\xe9")) + "\r\n");
}

// The files window lists the directory's own files, largest first; one
// moved to the trash from there leaves the tree's figures as a new scan's.
TEST_F(DirectoryCommandsTest, FilesListsLargestFirstAndTrashesAFile)
{
    tree.File("d/small", 10);
    tree.File("d/big", 50000);
    tree.File("d/mid", 3000);
    tree.File("d/sub/deeper", 777);
    Start({"--apparent-size"});
    Select("d");
    Run(Command::Files);
    FileListWindow* files = window->findChild<FileListWindow*>();
    ASSERT_NE(files, nullptr);
    const FileListModel& model = files->Model();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.At(0).shown, "big");
    EXPECT_EQ(model.At(1).shown, "mid");
    EXPECT_EQ(model.At(2).shown, "small");
    EXPECT_EQ(model.At(0).apparentBytes, 50000);
    EXPECT_EQ(files->Summary(), "5 items in all; 3 files lie here");

    files->View()->setCurrentIndex(model.index(0, 0));
    files->Commands().Trigger(Command::MoveToTrash);
    EXPECT_FALSE(std::filesystem::exists(tree.Path("d/big")));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Shown(), FreshScan());
}

TEST_F(DirectoryCommandsTest, EscapeAndCtrlWCloseTheFilesWindow)
{
    tree.File("d/f", 10);
    Start({});
    Select("d");
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        Run(Command::Files);
        QPointer<FileListWindow> files = window->findChild<FileListWindow*>();
        ASSERT_NE(files, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(files));
        QTest::keySequence(files->View(), key);
        EXPECT_FALSE(files->isVisible()) << key.toString().toStdString();
        RunDeferredDeletes();
        EXPECT_TRUE(files.isNull());
    }
}

// Opened on a folder three levels down, the window scans the drive and
// shows the folder; the root is still where Top goes.
TEST_F(DirectoryCommandsTest, OpenedOnAFolderShowsItBelowTheDrivesRoot)
{
    tree.File("a/b/c/d/f", 10);
    tree.File("z/y/g", 10);
    Start({}, tree.Path("a/b/c"));
    EXPECT_EQ(window->Path().Text(), QString::fromStdString(tree.Path("a/b/c/")));
    Run(Command::Back);
    EXPECT_EQ(window->Path().Text(), QString::fromStdString(tree.Path("a/b/")));
    Run(Command::Top);
    EXPECT_EQ(window->Path().Text(), QString::fromStdString(tree.Root() + "/"));

    window->OpenPath(tree.Path("z"));
    EXPECT_FALSE(window->Scanning()) << "a folder of the drive on display needs no new scan";
    EXPECT_EQ(window->Path().Text(), QString::fromStdString(tree.Path("z/")));
}

// Saved from the window and opened again, the tree is the one on display,
// and the saved scan is not a drive from which anything can be trashed.
TEST_F(DirectoryCommandsTest, ASavedScanOpensAsTheTreeThatWasSaved)
{
    tree.File("a/b/f", 5000);
    tree.Sparse("a/s", 1 << 20);
    tree.File("c/g", 300);
    tree.HardLink("c/g", "a/g2");
    TempTree saves;
    const std::string file = saves.Path("scan.json.zst"); // written as --export writes it: compressed
    const FileDialogHandler previous = SetFileDialogHandler(
        [&file](QWidget*, FileDialogKind, const QString&) { return QString::fromStdString(file); });
    Start();
    const std::string shown = DumpWithSizes(window->Survey().Root());
    Run(Command::SaveScan);
    char magic[4] = {};
    std::ifstream(file, std::ios::binary).read(magic, sizeof magic);
    EXPECT_EQ(std::string(magic, 4), std::string("\x28\xb5\x2f\xfd", 4)) << "zstd's magic number";
    Run(Command::OpenSavedScan);
    EXPECT_TRUE(WaitFor([this] { return !window->Scanning(); }));
    QCoreApplication::processEvents();
    SetFileDialogHandler(previous);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    EXPECT_EQ(window->Survey().GetSavedRoot(), tree.Root());
    EXPECT_EQ(DumpWithSizes(window->Survey().Root()), shown);
    Select("a");
    EXPECT_FALSE(Enabled(Command::MoveToTrash));
    EXPECT_FALSE(Enabled(Command::Files));
}

// The largest files of the whole drive, with their paths; one moved to the
// trash from there leaves the figures as a new scan finds them.
TEST_F(DirectoryCommandsTest, LargestFilesListsTheDrivesLargestAndTrashesOne)
{
    tree.File("a/b/c/huge", 70000);
    tree.File("d/large", 40000);
    tree.File("medium", 20000);
    tree.File("a/small", 10);
    Start({"--apparent-size"});
    Run(Command::LargestFiles);
    FileListWindow* largest = window->findChild<FileListWindow*>();
    ASSERT_NE(largest, nullptr);
    const FileListModel& model = largest->Model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.At(0).path, tree.Path("a/b/c/huge"));
    EXPECT_EQ(model.At(1).path, tree.Path("d/large"));
    EXPECT_EQ(model.At(3).apparentBytes, 10);

    EXPECT_EQ(model.index(0, 2).data().toString(), "70,000");
    window->CmUnits();
    EXPECT_EQ(model.index(0, 2).data().toString(), "69 KiB") << "the list follows the window's units";
    EXPECT_EQ(largest->View()->textElideMode(), Qt::ElideMiddle) << "a long path keeps its file's name";

    largest->View()->setCurrentIndex(model.index(0, 0));
    largest->Commands().Trigger(Command::MoveToTrash);
    EXPECT_FALSE(std::filesystem::exists(tree.Path("a/b/c/huge")));
    EXPECT_EQ(Shown(), FreshScan());
}

namespace {

// A file manager on the session bus that notes what it is asked to show.
class StandInFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

public slots:
    void ShowItems(const QStringList& uris, const QString&) { shown += uris; }
};

} // namespace

// The file manager is asked over D-Bus for the directory's URL, exact for a
// name that is not UTF-8.
TEST_F(DirectoryCommandsTest, OpenInFileManagerAsksTheFileManagerOnTheBus)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no D-Bus session bus (run under dbus-run-session)";
    StandInFileManager manager;
    ASSERT_TRUE(
        bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    tree.File("caf\xe9/f", 10);
    Start();
    window->Legend()->SetSelectedIndex(0);
    Run(Command::OpenInFileManager);
    EXPECT_TRUE(WaitFor([&manager] { return !manager.shown.isEmpty(); }));
    EXPECT_EQ(manager.shown, QStringList{QString::fromLatin1(DirectoryActions::FileUrl(tree.Path("caf\xe9")))});
    bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    bus.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
}

// Neither a file manager on the bus (the one there fails) nor a launcher:
// a box says so instead of nothing at all.
TEST_F(DirectoryCommandsTest, OpenInFileManagerWithNoFileManagerSaysSo)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    if (bus.isConnected()) {
        ASSERT_TRUE(bus.registerService(service)) << "owned by this test, which shows nothing";
    }
    QList<QUrl> launched;
    const UrlLauncher previous = SetUrlLauncher([&launched](const QUrl& url) {
        launched << url;
        return false;
    });
    tree.File("a/f", 10);
    Start();
    Select("a");
    Run(Command::OpenInFileManager);
    EXPECT_TRUE(WaitFor([this] { return !boxes.isEmpty(); }));
    SetUrlLauncher(previous);
    bus.unregisterService(service);
    EXPECT_EQ(launched, QList<QUrl>{QUrl::fromEncoded(DirectoryActions::FileUrl(tree.Path("a")))});
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(
        boxes[0].startsWith("No file manager could be started to show\n" + QString::fromStdString(tree.Path("a"))))
        << boxes[0].toStdString();
}

#include "DirectoryCommandsTest.moc"
