#include "TKelmoWindow.h"

#include "AuxiliaryWindow.h"
#include "BuildLegend.h"
#include "ChartView.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "FormatBytes.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "OutsideLinks.h"
#include "PosixDirectorySource.h"
#include "SaveTree.h"
#include "ScanSetup.h"
#include "SmallButton.h"
#include "SmallWin.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <filesystem>

namespace {

const char* const kNotAvailable = "Selected Disk was Not\rAvailable or is Blank";

void ShowSubDirectoryNotFound(QWidget* owner)
{
    ShowMessageBox(owner, QStringLiteral("Sub-Directory Not Found"), QStringLiteral("System Error"),
                   MessageIcon::Stop);
}

QString UsageBoxText()
{
    return QStringLiteral("Invalid command-line; Use:\r\n\r\n") + QStringLiteral("    kelmo <path>\r\n\r\n")
        + QStringLiteral("i.e.:    kelmo /home");
}

} // namespace

TKelmoWindow::TKelmoWindow(Options commandLine, Drives probed, int linger, QString settingsFile)
    : options(std::move(commandLine)), drives(std::move(probed)), lingerMs(linger), settings(std::move(settingsFile)),
      controls(this)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelmo"));
    setWindowIcon(QIcon(QStringLiteral(":/kelmo/kelmo.png")));
    setAcceptDrops(true);
    setMinimumSize(WindowLayout::kFirstSize);
    resize(WindowLayout::kFirstSize);
    PaintLightGrey(*this);
    CentreOnScreen(*this);
    settings.RestoreGeometry(*this);
    childOrder = settings.SortBySize() ? ChildOrder::LargestFirst : ChildOrder::Listing;
    units = settings.SizesInUnits() ? SizeUnits::Binary : SizeUnits::Bytes;
    survey.SetSizeMode(options.mode);
    scans = new ScanController(
        this, lingerMs, [this] { return std::make_pair(survey.GetSizeMode(), units); },
        [this](ScanResult result) { OnScanFinished(std::move(result)); });
    scans->SetScannerFactory([this] { return ScannerFor(options); });
    WireControls();
    AddCommands();
    controls.Place(WindowLayout(size()));
}

TKelmoWindow::~TKelmoWindow() = default;

void TKelmoWindow::WireControls()
{
    controls.chart->SetToolTipText([this](int slice) { return legend ? legend->ToolTip(slice) : QString(); });
    connect(controls.chart, &ChartView::SliceClicked, this, &TKelmoWindow::SelectSlice);
    connect(controls.chart, &ChartView::SliceDoubleClicked, this, [this](int slice) {
        SelectSlice(slice);
        commands->Trigger(Command::GoDown);
    });
    connect(controls.driveList, qOverload<int>(&QComboBox::activated), this, &TKelmoWindow::EvDriveChange);
    connect(controls.chart, &ChartView::ContextMenuRequested, this, [this](int slice, const QPoint& at) {
        if (legend)
            legend->SetSelectedIndex(slice);
        OpenMenu(at);
    });
}

// Every command the window knows, with its keys and the rule that lets it
// run. A scan in progress holds back everything that would start another
// scan or look at the tree it is about to replace.
void TKelmoWindow::AddCommands()
{
    commands = new CommandTable(this);
    const auto idle = [this] { return !Scanning(); };
    const auto hasTree = [this] { return !Scanning() && survey.Root(); };
    const auto below = [this] { return !Scanning() && survey.Cursor().HasParentDir(); };
    commands->Add({Command::GoDown, QStringLiteral("Open"), {Qt::Key_Return, Qt::Key_Enter},
                   [this] { return !Scanning() && legend; }, [this] { EvLegendDblClk(); }});
    commands->Add({Command::Back, QStringLiteral("Parent Directory"),
                   {Qt::Key_Backspace, QKeySequence(Qt::ALT | Qt::Key_Up)}, below, [this] { CmBack(); }});
    commands->Add({Command::Top, QStringLiteral("Root Directory"), {QKeySequence(Qt::ALT | Qt::Key_Home)}, below,
                   [this] { CmTop(); }});
    commands->Add({Command::Update, QStringLiteral("Update"), {Qt::Key_F5},
                   [this] { return !Scanning() && survey.GetDrive() >= 0; }, [this] { CmUpdate(); }});
    commands->Add({Command::About, QStringLiteral("About"), {}, idle, [this] { CmAbout(); }});
    commands->Add({Command::Exit, QStringLiteral("Exit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [] { return true; },
                   [this] { CmExit(); }});
    commands->Add({Command::Path, QStringLiteral("Path"), {}, [this] { return !Scanning() && Path().IsCut(); },
                   [this] { CmPath(); }});
    commands->Add({Command::SubInfo, QStringLiteral("Sub Info"), {},
                   [this] { return !Scanning() && legend && legend->SelectedIndex() >= 0; },
                   [this] { CmDirInfo(Command::SubInfo); }});
    commands->Add({Command::RootInfo, QStringLiteral("Root Info"), {}, hasTree,
                   [this] { CmDirInfo(Command::RootInfo); }});
    commands->Add({Command::SizeMode, QStringLiteral("Apparent Sizes"), {Qt::Key_A}, [] { return true; },
                   [this] { CmSizeMode(); }});
    commands->Add({Command::SortOrder, QStringLiteral("Sort by Size"), {Qt::Key_S}, [] { return true; },
                   [this] { CmSortOrder(); }});
    commands->Add({Command::Units, QStringLiteral("Sizes in Bytes / in Units"), {Qt::Key_U}, [] { return true; },
                   [this] { CmUnits(); }});
    commands->Add({Command::Compare, QStringLiteral("Compare with Saved Scan..."), {QKeySequence(Qt::CTRL | Qt::Key_D)},
                   hasTree,
                   [this] { CmCompare(); }});
    commands->Add({Command::ShowSizes, QStringLiteral("Show Sizes"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
                   [this] { return !Scanning() && compared; }, [this] { CmShowSizes(); }});
    AddDirectoryCommands();
    commands->Bind(controls.exitButton, Command::Exit);
    commands->Bind(controls.topButton, Command::Top);
    commands->Bind(controls.backButton, Command::Back);
    commands->Bind(controls.updateButton, Command::Update);
    commands->Bind(controls.aboutButton, Command::About);
    commands->Bind(controls.pathButton, Command::Path);
    commands->Refresh();
}

// The commands on the selected directory, or the directory on display.
void TKelmoWindow::AddDirectoryCommands()
{
    const auto onTarget = [this] { return !Scanning() && Target(); };
    commands->Add({Command::OpenInFileManager, QStringLiteral("Open in File Manager"),
                   {QKeySequence(Qt::CTRL | Qt::Key_E)}, onTarget,
                   [this] { desktop.OpenInFileManager(TargetPath()); }});
    commands->Add({Command::CopyPath, QStringLiteral("Copy Path"), {QKeySequence::Copy}, onTarget,
                   [this] { desktop.CopyPath(TargetPath()); }});
    commands->Add({Command::MoveToTrash, QStringLiteral("Move to Trash..."), {QKeySequence::Delete},
                   [this] { return CanTrashTarget(); }, [this] { CmMoveToTrash(); }});
    commands->Add({Command::Files, QStringLiteral("Files..."), {Qt::Key_F3},
                   [this] { return !Scanning() && survey.GetDrive() >= 0 && Target(); }, [this] { CmFiles(); }});
    commands->Add({Command::LargestFiles, QStringLiteral("Largest Files..."), {QKeySequence(Qt::CTRL | Qt::Key_L)},
                   [this] { return !Scanning() && survey.Root(); }, [this] { CmLargestFiles(); }});
    commands->Add({Command::SaveScan, QStringLiteral("Save Scan As..."), {QKeySequence::Save},
                   [this] { return !Scanning() && survey.Root(); }, [this] { CmSaveScan(); }});
    commands->Add({Command::OpenSavedScan, QStringLiteral("Open Saved Scan..."), {QKeySequence::Open},
                   [this] { return !Scanning(); }, [this] { CmOpenSavedScan(); }});
}

void TKelmoWindow::SetupWindow()
{
    ShowSizeMode();
    // kelmo --compare OLD [PATH]: the earlier scan first, then the drive.
    if (options.error.empty() && !options.compareFile.empty()) {
        FillDriveList();
        ReadEarlierScan(options.compareFile);
        return;
    }
    const int drive = ParseDriveArgument();
    FillDriveList();
    controls.driveList->setCurrentIndex(controls.driveList->findData(drive));
    if (drive == -1)
        return;
    if (drive >= 0 && !options.path.empty())
        openAt = drives.BelowMountPoint(options.path, drive);
    // Update tries the drive again even when this first scan fails.
    survey.SetDrive(drive);
    SelectDrive(drive);
}

int TKelmoWindow::ParseDriveArgument()
{
    if (!options.error.empty()) {
        ShowMessageBox(this, UsageBoxText(), KelmoSplash::CreditCaption(), MessageIcon::None);
        return -1;
    }
    if (!options.importFile.empty())
        return kSavedScan;
    if (!options.path.empty() && Drives::CanonicalPath(options.path).empty()) {
        ShowMessageBox(this, UsageBoxText(), KelmoSplash::CreditCaption(), MessageIcon::None);
        return -1;
    }
    // Started from a directory on no drive (/dev/shm, a FUSE mount), Kelmo
    // says so just as for such a path argument.
    const int drive = options.path.empty() ? drives.Current() : drives.OfPath(options.path);
    if (drive == -1)
        ShowMessageBox(this, QString::fromLatin1(kNotAvailable), QStringLiteral("Kelmo"), MessageIcon::Information);
    return drive;
}

QString TKelmoWindow::DriveText(int drive) const
{
    if (drive == kSavedScan)
        return DisplayName(survey.GetSavedRoot());
    return DisplayName(drives.MountPoint(drive));
}

QString TKelmoWindow::SavedScanFileText() const
{
    return options.importFile == "-" ? QStringLiteral("standard input") : DisplayName(options.importFile);
}

// A running scan is never superseded: the commands that would start
// another are disabled while it runs.
void TKelmoWindow::SelectDrive(int drive)
{
    scanningDrive = drive;
    ScanJob::Request request;
    ProgressEstimate expected;
    if (drive == kSavedScan) {
        // Standard input can be read only once.
        if (options.importFile != "-" || !savedScanRead)
            request.file = options.importFile;
        savedScanRead = true;
    } else {
        request.path = request.rootName = drives.MountPoint(drive);
        expected = ProgressEstimate(Drives::UsedBytes(request.path));
    }
    // Closing the splash closes the program, also during the first scan,
    // when no main window is shown yet.
    scans->Start(std::move(request), drive == kSavedScan ? SavedScanFileText() : DriveText(drive), [this] { close(); },
                 expected);
    commands->Refresh();
}

void TKelmoWindow::OnScanFinished(ScanResult result)
{
    if (readingEarlierScan)
        OnEarlierScanRead(std::move(result));
    else
        OnDriveScanned(std::move(result));
}

// A new scan of the drive on display (Update) keeps the directory on display
// and the selected entry where they still exist; another drive starts at its
// root.
void TKelmoWindow::OnDriveScanned(ScanResult result)
{
    const bool scanned = result.Scanned();
    if (scanned) {
        // Their rows and sizes belong to the tree that goes.
        for (FileListWindow* window : findChildren<FileListWindow*>(Qt::FindDirectChildrenOnly))
            window->close();
        const bool again = scanningDrive == survey.GetDrive() && survey.Root();
        const DirNode selected = SelectedChild();
        const std::string selectedName = again && selected ? selected.name() : std::string();
        survey.SetDrive(scanningDrive);
        if (again)
            survey.AdoptKeepingPlace(std::move(result));
        else
            survey.Adopt(std::move(result));
        if (compared)
            compared->CompareWith(survey.Root());
        if (scanningDrive == kSavedScan)
            ListSavedScan();
        GoToOpenAt();
        if (legend && !selectedName.empty()) {
            const auto found = std::find_if(shownChildren.begin(), shownChildren.end(),
                                            [&](const DirNode& child) { return child.name() == selectedName; });
            if (found != shownChildren.end())
                legend->SetSelectedIndex(static_cast<int>(found - shownChildren.begin()));
        }
    } else {
        openAt.clear();
        ShowScanFailure(result);
    }
    EndScan(scanned);
}

// The splash goes at once when there is no tree to show, so that a message
// box is never behind it; else it lingers with the final total.
void TKelmoWindow::EndScan(bool showTree)
{
    controls.driveList->setCurrentIndex(controls.driveList->findData(survey.GetDrive()));
    ShowFreeSpace();
    ShowSizeMode();
    commands->Refresh();
    if (closeRequested)
        return;
    showNormal();
    if (showTree && survey.Root())
        scans->EndSplash(survey.Root().bytes());
    else
        scans->EndSplash();
    ReportMatch();
}

// How much of the earlier scan the tree on display has: in the heading's
// tooltip, and said once in a box when the earlier scan was made of another
// root (another drive, or another machine's).
void TKelmoWindow::ReportMatch()
{
    if (!compared || !survey.Root() || closeRequested)
        return;
    const QString matched = DisplayName(compared->MatchedText(survey.Root().name(), survey.GetSizeMode()));
    controls.keyLabel->setToolTip(matched);
    if (matchToReport && compared->OldRootPath() != survey.Root().name())
        ShowMessageBox(this, matched, QStringLiteral("Kelmo"), MessageIcon::Information);
    matchToReport = false;
}

void TKelmoWindow::CmCompare()
{
    const QString file = chooseSavedScan ? chooseSavedScan()
                                         : QFileDialog::getOpenFileName(this, QStringLiteral("Compare with Saved Scan"));
    if (!file.isEmpty())
        ReadEarlierScan(QFile::encodeName(file).toStdString());
}

void TKelmoWindow::CmShowSizes()
{
    compared.reset();
    controls.keyLabel->setToolTip(QString());
    ShowSizeMode();
    RebuildViewKeeping(SelectedChild());
}

void TKelmoWindow::ReadEarlierScan(const std::string& file)
{
    readingEarlierScan = true;
    ScanJob::Request request;
    request.file = file;
    scans->Start(std::move(request), file == "-" ? QStringLiteral("standard input") : DisplayName(file),
                 [this] { close(); });
    commands->Refresh();
}

// Started with --compare and no tree yet, the drive of PATH (or of the
// earlier scan's root) is scanned next.
void TKelmoWindow::OnEarlierScanRead(ScanResult result)
{
    readingEarlierScan = false;
    if (!result.Scanned()) {
        scans->EndSplash();
        if (!result.cancelled && !closeRequested)
            ShowMessageBox(this, DisplayName(result.error), QStringLiteral("Kelmo"), MessageIcon::Stop);
        EndScan(false);
        return;
    }
    const std::string oldRoot = result.savedRoot;
    compared = std::make_unique<ComparedScan>(std::move(result.tree), oldRoot);
    matchToReport = true;
    if (survey.Root()) {
        compared->CompareWith(survey.Root());
        RebuildView();
        EndScan(false);
    } else {
        scans->EndSplash();
        const int drive = drives.OfPath(options.path.empty() ? oldRoot : options.path);
        if (drive < 0) {
            ShowMessageBox(this, QString::fromLatin1(kNotAvailable), QStringLiteral("Kelmo"), MessageIcon::Information);
            EndScan(false);
            return;
        }
        survey.SetDrive(drive);
        SelectDrive(drive);
    }
}

void TKelmoWindow::ShowScanFailure(const ScanResult& result)
{
    // The splash goes first, so that the box is on top and has the focus.
    scans->EndSplash();
    if (result.cancelled || closeRequested)
        return;
    if (scanningDrive == kSavedScan) {
        const std::string reason = result.error.empty()
            ? "The saved scan came from standard input, which can be read only once."
            : result.error;
        ShowMessageBox(this, DisplayName(reason), QStringLiteral("Kelmo"), MessageIcon::Stop);
        return;
    }
    QString text = QString::fromLatin1(kNotAvailable);
    if (!result.error.empty())
        text += QStringLiteral("\r\r") + DisplayName(result.error);
    ShowMessageBox(this, text, QStringLiteral("Kelmo"), MessageIcon::Information);
}

// A failed scan leaves the tree on display, and its free space, as they were.
void TKelmoWindow::ShowFreeSpace()
{
    const std::int64_t freeBytes = survey.Root() ? survey.GetFreeBytes() : -1;
    controls.freeBytesLabel->setText(QStringLiteral("Free Space : ")
                            + (freeBytes == -1 ? QStringLiteral("Unknown")
                                               : QString::fromStdString(FormatSize(freeBytes, units))));
}

void TKelmoWindow::FillDriveList()
{
    for (int i = 0; i < drives.Count(); ++i)
        controls.driveList->addItem(DisplayName(drives.MountPoint(i)), i);
    controls.driveList->model()->sort(0);
}

// The saved scan stands in the list under its root's path once it has been read.
void TKelmoWindow::ListSavedScan()
{
    const int listed = controls.driveList->findData(kSavedScan);
    if (listed != -1)
        controls.driveList->removeItem(listed);
    controls.driveList->addItem(DriveText(kSavedScan) + QStringLiteral(" (saved)"), kSavedScan);
    controls.driveList->model()->sort(0);
}

// The folder asked for becomes the directory on display, once; Top and Back
// go up from there.
void TKelmoWindow::GoToOpenAt()
{
    if (!openAt.empty())
        survey.Cursor().GoToPath(std::exchange(openAt, {}));
    RebuildView();
}

void TKelmoWindow::OpenPath(const std::string& path)
{
    if (Scanning())
        return;
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        options.importFile = path;
        savedScanRead = false;
        SelectDrive(kSavedScan);
        return;
    }
    const int drive = drives.OfPath(path);
    if (drive == -1) {
        ShowMessageBox(this, QString::fromLatin1(kNotAvailable), QStringLiteral("Kelmo"), MessageIcon::Information);
        return;
    }
    openAt = drives.BelowMountPoint(path, drive);
    if (drive == survey.GetDrive() && survey.Root()) {
        GoToOpenAt();
        return;
    }
    SelectDrive(drive);
}

void TKelmoWindow::RebuildView()
{
    const NavigationCursor& cursor = survey.Cursor();
    std::unique_ptr<ChildList> list = compared ? compared->Children(cursor.GetCurrentDir(), survey.GetSizeMode())
                                               : cursor.BuildChildList(childOrder);
    std::vector<std::int64_t> sizes = list ? list->sizes : std::vector<std::int64_t>();
    shownChildren = list ? list->nodes : std::vector<DirNode>();
    const DirectoryOnDisplay directory{cursor.HasParentDir(), DisplayedBytes(), Path().Text(), units};
    const int count = BuildLegend(this, WindowLayout(size()).legend, legend, emptyLegend, std::move(list), directory);
    WireLegend();
    sizes.resize(static_cast<std::size_t>(count));
    controls.chart->SetValues(sizes);
    ShowPath();
    commands->Refresh();
}

// A new legend for every directory on display; the chart follows its
// selection. Going down replaces the legend, so it must not happen inside
// the legend's own double-click handling.
void TKelmoWindow::WireLegend()
{
    KeyBox* shown = Legend();
    connect(shown, &KeyBox::ContextMenuRequested, this, &TKelmoWindow::OpenLegendMenu);
    connect(shown, &KeyBox::SelectionChanged, this, [this](int index) {
        controls.chart->SetMarkedSlice(index);
        commands->Refresh();
    });
    if (!legend)
        return;
    connect(legend.get(), &KeyBox::EntryDoubleClicked, this, [this] { commands->Trigger(Command::GoDown); },
            Qt::QueuedConnection);
    legend->SetDragData([this](int) { return DirectoryActions::PathData(TargetPath()); });
}

// A right press on an entry selects it, as in a file manager, so that the
// menu's commands act on it; elsewhere they act on the directory on display.
void TKelmoWindow::OpenLegendMenu(const QPoint& globalPosition)
{
    if (legend) {
        const QModelIndex entry = legend->indexAt(legend->viewport()->mapFromGlobal(globalPosition));
        legend->SetSelectedIndex(entry.isValid() ? entry.row() : -1);
    }
    OpenMenu(globalPosition);
}

void TKelmoWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (legend)
        legend->SetSelectedIndex(-1);
    OpenMenu(event->globalPos());
}

// At the root the menu offers the root's figures and greys the way up;
// below it, the way up.
void TKelmoWindow::OpenMenu(const QPoint& globalPosition)
{
    commands->Refresh();
    auto* menu = new QMenu(this); // deletes itself once closed
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    for (Command command : {Command::OpenInFileManager, Command::CopyPath, Command::MoveToTrash, Command::Files})
        menu->addAction(commands->Action(command));
    menu->addSeparator();
    menu->addAction(commands->Action(Command::SubInfo));
    menu->addSeparator();
    if (!survey.Cursor().HasParentDir()) {
        menu->addAction(commands->Action(Command::RootInfo));
        menu->addSeparator();
    }
    menu->addAction(commands->Action(Command::Back));
    menu->addAction(commands->Action(Command::Top));
    menu->addSeparator();
    menu->addAction(commands->Action(Command::LargestFiles));
    menu->addAction(commands->Action(Command::SaveScan));
    menu->addAction(commands->Action(Command::OpenSavedScan));
    menu->popup(globalPosition);
}

void TKelmoWindow::SelectSlice(int slice)
{
    if (legend && legend->SelectedIndex() != slice)
        legend->SetSelectedIndex(slice);
}

PathText TKelmoWindow::Path() const
{
    return PathText(DisplayName(survey.Cursor().PathText()));
}

void TKelmoWindow::ShowPath()
{
    const PathText path = Path();
    controls.pathLabel->setText(path.Shown());
}

std::int64_t TKelmoWindow::DisplayedBytes() const
{
    const DirNode current = survey.Cursor().GetCurrentDir();
    return current ? current.bytes() : 0;
}

DirNode TKelmoWindow::SelectedChild() const
{
    const int selected = legend ? legend->SelectedIndex() : -1;
    if (selected < 0 || selected >= static_cast<int>(shownChildren.size()))
        return {};
    return shownChildren[static_cast<std::size_t>(selected)];
}

int TKelmoWindow::ShownIndexOf(const DirNode& node) const
{
    const auto found = std::find(shownChildren.begin(), shownChildren.end(), node);
    return found == shownChildren.end() ? -1 : static_cast<int>(found - shownChildren.begin());
}

// Sizes or order changed: the same entry stays selected, wherever it now stands.
void TKelmoWindow::RebuildViewKeeping(const DirNode& selected)
{
    RebuildView();
    if (legend && selected)
        legend->SetSelectedIndex(ShownIndexOf(selected));
}

DirNode TKelmoWindow::Target() const
{
    const DirNode selected = SelectedChild();
    return selected ? selected : survey.Cursor().GetCurrentDir();
}

std::string TKelmoWindow::TargetPath() const
{
    return survey.Cursor().PathOf(Target());
}

// Only what a live scan found below the directory on display can go: never
// the drive's root, the directory on display or the way up to it.
bool TKelmoWindow::CanTrashTarget() const
{
    return !Scanning() && survey.GetDrive() >= 0 && SelectedChild();
}

void TKelmoWindow::CmMoveToTrash()
{
    const DirNode node = Target();
    const std::string path = TargetPath();
    if (!desktop.MoveToTrash(path, {node.diskBytes(), node.apparentBytes()}, HasFilesLinkedOutside(path)))
        return;
    survey.RemoveDirectory(node);
    AfterTrash();
}

// The view and the free space after something left the drive. Nothing stays
// selected, so that a second Delete cannot hit a neighbour.
void TKelmoWindow::AfterTrash()
{
    survey.SetFreeBytes(PosixDirectorySource().FreeBytes(drives.MountPoint(survey.GetDrive())));
    RebuildView();
    ShowFreeSpace();
}

// The files lying directly in the directory, read now; a file moved to the
// trash from there leaves the tree's sizes (one with other names frees
// nothing).
void TKelmoWindow::CmFiles()
{
    const std::string path = TargetPath();
    FileListing listing(path);
    if (!listing.Error().empty()) {
        ShowMessageBox(this, DisplayName(listing.Error()), QStringLiteral("Files"), MessageIcon::Stop);
        return;
    }
    listing.Sort(survey.GetSizeMode());
    new FileListWindow(this, QStringLiteral("Files in ") + DisplayName(path), QStringLiteral("Name"),
                       FileListModel::RowsOf(listing, path), true,
                       [this](const FileListModel::Row& file) { FileTrashed(file); });
}

// The largest files of the scan in the size mode shown; after a live scan,
// those no longer on the disk are left out.
void TKelmoWindow::CmLargestFiles()
{
    const bool live = survey.GetDrive() >= 0;
    const std::vector<FileListModel::Row> rows =
        FileListModel::RowsOf(survey.GetLargestFiles().Sorted(survey.GetSizeMode()), survey.Root().name(), live);
    const QString mode = survey.GetSizeMode() == SizeMode::Apparent ? QStringLiteral("apparent sizes")
                                                                     : QStringLiteral("disk usage");
    new FileListWindow(this, QStringLiteral("Largest Files (") + mode + QStringLiteral(")"), QStringLiteral("Path"),
                       rows, live, [this](const FileListModel::Row& file) { FileTrashed(file); });
}

// A file moved to the trash leaves the sizes of its directory and those
// above it; one with other names frees nothing.
void TKelmoWindow::FileTrashed(const FileListModel::Row& file)
{
    const std::string root = survey.Root().name();
    const std::size_t slash = file.path.rfind('/');
    if (!file.linkedElsewhere && slash != std::string::npos && file.path.compare(0, root.size(), root) == 0) {
        const std::string dir = file.path.substr(root.size(), slash > root.size() ? slash - root.size() : 0);
        survey.RemoveFile(survey.Cursor().Find(dir), file.diskBytes, file.apparentBytes);
    }
    AfterTrash();
}

void TKelmoWindow::CmSaveScan()
{
    const QString file = AskForFile(this, FileDialogKind::Save, QStringLiteral("Save Scan As"));
    if (file.isEmpty())
        return;
    std::string problem;
    if (!SaveTree(*survey.Root().owner(), survey.GetScanProblems(), QFile::encodeName(file).toStdString(), problem))
        ShowMessageBox(this, DisplayName(problem), QStringLiteral("Save Scan As"), MessageIcon::Stop);
}

void TKelmoWindow::CmOpenSavedScan()
{
    const QString file = AskForFile(this, FileDialogKind::Open, QStringLiteral("Open Saved Scan"));
    if (!file.isEmpty())
        OpenPath(QFile::encodeName(file).toStdString());
}

void TKelmoWindow::EvLegendDblClk()
{
    const DirNode node = SelectedChild();
    if (!node) {
        ShowSubDirectoryNotFound(this);
        return;
    }
    if (compared && compared->IsGone(node)) {
        ShowMessageBox(this, QStringLiteral("This directory is gone since the earlier scan"), QStringLiteral("Kelmo"),
                       MessageIcon::Information);
        return;
    }
    if (!node.firstChild()) {
        ShowMessageBox(this, QStringLiteral("No Sub-Directories Exist For This Entry"), QStringLiteral("Kelmo"),
                       MessageIcon::Information);
        return;
    }
    survey.Cursor().SetCurrentDir(node);
    RebuildView();
}

void TKelmoWindow::CmBack()
{
    survey.Cursor().GoToParentDir();
    RebuildView();
}

void TKelmoWindow::CmTop()
{
    survey.Cursor().SetCurrentDir(DirNode());
    RebuildView();
}

void TKelmoWindow::OpenTextWindow(const QString& caption, int textWidth, const QString& text)
{
    auto* window = new SmallWin(this, caption, textWidth); // deletes itself when closed
    window->SetText(text);
}

void TKelmoWindow::CmPath()
{
    OpenTextWindow(QStringLiteral("Path"), 500, Path().Text());
}

void TKelmoWindow::CmDirInfo(Command which)
{
    const DirNode node = which == Command::SubInfo ? SelectedChild() : survey.Cursor().GetCurrentDir();
    if (!node) {
        ShowSubDirectoryNotFound(this);
        return;
    }
    const std::string report = compared ? compared->Report(node, survey.GetSizeMode()) : BuildDirReport(node, units);
    OpenTextWindow(QStringLiteral("Sub-Directory Information"), 300, DisplayName(report));
}

void TKelmoWindow::CmUpdate()
{
    SelectDrive(survey.GetDrive());
}

// Picking the drive on display again does not rescan it.
void TKelmoWindow::EvDriveChange(int listIndex)
{
    const int drive = controls.driveList->itemData(listIndex).toInt();
    if (Scanning() || drive == survey.GetDrive())
        return;
    SelectDrive(drive);
}

void TKelmoWindow::CmSizeMode()
{
    const bool toApparent = survey.GetSizeMode() == SizeMode::DiskUsage;
    survey.SetSizeMode(toApparent ? SizeMode::Apparent : SizeMode::DiskUsage);
    ShowSizeMode();
    if (!survey.Root() || Scanning())
        return;
    RebuildViewKeeping(SelectedChild());
}

void TKelmoWindow::CmUnits()
{
    units = units == SizeUnits::Bytes ? SizeUnits::Binary : SizeUnits::Bytes;
    settings.SetSizesInUnits(units == SizeUnits::Binary);
    ShowFreeSpace();
    if (survey.Root() && !Scanning())
        RebuildViewKeeping(SelectedChild());
}

void TKelmoWindow::CmSortOrder()
{
    childOrder = childOrder == ChildOrder::Listing ? ChildOrder::LargestFirst : ChildOrder::Listing;
    settings.SetSortBySize(childOrder == ChildOrder::LargestFirst);
    if (survey.Root() && !Scanning())
        RebuildViewKeeping(SelectedChild());
}

void TKelmoWindow::ShowSizeMode()
{
    const bool apparent = survey.GetSizeMode() == SizeMode::Apparent;
    if (compared && survey.Root())
        controls.keyLabel->setText(QStringLiteral("Key (growth since ") + QString::fromStdString(compared->Since())
                                   + QStringLiteral(")"));
    else
        controls.keyLabel->setText(apparent ? QStringLiteral("Key (apparent sizes)") : QStringLiteral("Key"));
}

void TKelmoWindow::CmAbout()
{
    new KelmoSplash(this, QStringLiteral("About")); // closes and deletes itself
}

void TKelmoWindow::CmExit()
{
    close();
}

void TKelmoWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const WindowLayout layout(size());
    controls.Place(layout);
    if (KeyBox* shown = Legend())
        shown->setGeometry(layout.legend);
}

// A close request may come while a scan, the splash's wait, About, a text
// window or a message box holds the window. The scan is stopped and waited
// for (a walk checks for the stop before every directory), every
// auxiliary window is told to go, and the program ends.
void TKelmoWindow::closeEvent(QCloseEvent* event)
{
    settings.SaveGeometry(*this);
    closeRequested = true;
    scans->Stop();
    CloseAuxiliaryWindows();
    event->accept();
    QCoreApplication::quit();
}

void TKelmoWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!Scanning() && urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void TKelmoWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    const QByteArray path = QFile::encodeName(urls.front().toLocalFile());
    // Not inside the drop: the scan's splash and boxes must not run in the
    // drag's own event handling.
    QMetaObject::invokeMethod(this, [this, path] { OpenPath(path.toStdString()); }, Qt::QueuedConnection);
}

void TKelmoWindow::CloseAuxiliaryWindows()
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible())
            child->close();
}
