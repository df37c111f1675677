#include "TKelmoWindow.h"

#include "AuxiliaryWindow.h"
#include "BuildLegend.h"
#include "ChartView.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "FormatBytes.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "ScanProgressEvent.h"
#include "SmallButton.h"
#include "SmallWin.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

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

QPushButton* AddButton(QWidget* window, const QString& caption)
{
    auto* button = new QPushButton(caption, window);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TKelmoWindow::TKelmoWindow(Options commandLine, Drives probed, int linger, QString settings)
    : options(std::move(commandLine)), drives(std::move(probed)), lingerMs(linger), settingsFile(std::move(settings)),
      makeScanner([this] {
          auto scanner = std::make_unique<Scanner>();
          if (options.threads > 0)
              scanner->SetThreads(options.threads);
          return scanner;
      })
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelmo"));
    setWindowIcon(QIcon(QStringLiteral(":/kelmo/kelmo.png")));
    setMinimumSize(WindowLayout::kFirstSize);
    resize(WindowLayout::kFirstSize);
    PaintLightGrey(*this);
    CentreOnScreen(*this);
    RestoreGeometry();
    survey.SetSizeMode(options.mode);
    progressTimer.setInterval(kProgressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &TKelmoWindow::RelayProgress);
    CreateControls();
    AddCommands();
    PlaceControls();
}

TKelmoWindow::~TKelmoWindow() = default;

// Children are stacked in the order they are made: the chart lies under
// every control that overlaps its square's surroundings.
void TKelmoWindow::CreateControls()
{
    chart = new ChartView(this);
    chart->SetToolTipText([this](int slice) { return legend ? legend->ToolTip(slice) : QString(); });
    connect(chart, &ChartView::SliceClicked, this, &TKelmoWindow::SelectSlice);
    connect(chart, &ChartView::SliceDoubleClicked, this, [this](int slice) {
        SelectSlice(slice);
        commands->Trigger(Command::GoDown);
    });
    drivesHeading = AddLabel(*this, QStringLiteral("Available Drives"), 0, 0, 0, 0);
    driveList = new QComboBox(this);
    driveList->setMaxVisibleItems(5);
    connect(driveList, qOverload<int>(&QComboBox::activated), this, &TKelmoWindow::EvDriveChange);
    keyLabel = AddLabel(*this, QStringLiteral("Key"), 0, 0, 0, 0);
    exitButton = AddButton(this, QStringLiteral("Exit"));
    topButton = new SmallButton(this, QStringLiteral("Top"), 0, 0, 45, 20);
    backButton = new SmallButton(this, QStringLiteral("Back"), 0, 0, 45, 20);
    updateButton = AddButton(this, QStringLiteral("Update"));
    aboutButton = AddButton(this, QStringLiteral("About"));
    creditLabel = AddLabel(*this, QStringLiteral("Kelmo Software 1996"), 0, 0, 0, 0);
    freeBytesLabel = AddLabel(*this, QString(), 0, 0, 0, 0);
    pathButton = new SmallButton(this, QStringLiteral("Path"), 0, 0, 45, 20);
    pathLabel = AddLabel(*this, QString(), 0, 0, 0, 0);
    pathLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// Every command the window knows, with its keys and the rule that lets it
// run. A scan in progress holds back everything that would start another
// scan or look at the tree it is about to replace.
void TKelmoWindow::AddCommands()
{
    commands = new CommandTable(this);
    const auto idle = [this] { return !job; };
    const auto hasTree = [this] { return !job && survey.Root(); };
    const auto below = [this] { return !job && survey.Cursor().HasParentDir(); };
    commands->Add({Command::GoDown, QStringLiteral("Open"), {Qt::Key_Return, Qt::Key_Enter},
                   [this] { return !job && legend; }, [this] { EvLegendDblClk(); }});
    commands->Add({Command::Back, QStringLiteral("Parent Directory"),
                   {Qt::Key_Backspace, QKeySequence(Qt::ALT | Qt::Key_Up)}, below, [this] { CmBack(); }});
    commands->Add({Command::Top, QStringLiteral("Root Directory"), {QKeySequence(Qt::ALT | Qt::Key_Home)}, below,
                   [this] { CmTop(); }});
    commands->Add({Command::Update, QStringLiteral("Update"), {Qt::Key_F5},
                   [this] { return !job && survey.GetDrive() >= 0; }, [this] { CmUpdate(); }});
    commands->Add({Command::About, QStringLiteral("About"), {}, idle, [this] { CmAbout(); }});
    commands->Add({Command::Exit, QStringLiteral("Exit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [] { return true; },
                   [this] { CmExit(); }});
    commands->Add({Command::Path, QStringLiteral("Path"), {}, [this] { return !job && Path().IsCut(); },
                   [this] { CmPath(); }});
    commands->Add({Command::SubInfo, QStringLiteral("Sub Info"), {},
                   [this] { return !job && legend && legend->SelectedIndex() >= 0; },
                   [this] { CmDirInfo(Command::SubInfo); }});
    commands->Add({Command::RootInfo, QStringLiteral("Root Info"), {}, hasTree,
                   [this] { CmDirInfo(Command::RootInfo); }});
    commands->Add({Command::SizeMode, QStringLiteral("Apparent Sizes"), {Qt::Key_A}, [] { return true; },
                   [this] { CmSizeMode(); }});
    commands->Bind(exitButton, Command::Exit);
    commands->Bind(topButton, Command::Top);
    commands->Bind(backButton, Command::Back);
    commands->Bind(updateButton, Command::Update);
    commands->Bind(aboutButton, Command::About);
    commands->Bind(pathButton, Command::Path);
    commands->Refresh();
}

void TKelmoWindow::PlaceControls()
{
    const WindowLayout layout(size());
    const QRect bounds = layout.chartBounds;
    chart->SetBounds(bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height());
    topButton->setGeometry(layout.topButton);
    backButton->setGeometry(layout.backButton);
    drivesHeading->setGeometry(layout.drivesHeading);
    driveList->setGeometry(layout.driveList.adjusted(0, 0, 0, driveList->sizeHint().height()));
    keyLabel->setGeometry(layout.keyHeading);
    if (KeyBox* shown = Legend())
        shown->setGeometry(layout.legend);
    freeBytesLabel->setGeometry(layout.freeSpaceLabel);
    pathButton->setGeometry(layout.pathButton);
    pathLabel->setGeometry(layout.pathLabel);
    exitButton->setGeometry(layout.exitButton);
    creditLabel->setGeometry(layout.creditLabel);
    updateButton->setGeometry(layout.updateButton);
    aboutButton->setGeometry(layout.aboutButton);
}

void TKelmoWindow::SetupWindow()
{
    ShowSizeMode();
    const int drive = ParseDriveArgument();
    FillDriveList();
    driveList->setCurrentIndex(driveList->findData(drive));
    if (drive == -1)
        return;
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

void TKelmoWindow::SelectDrive(int drive)
{
    if (drive != kSavedScan) {
        const std::string mountPoint = drives.MountPoint(drive);
        scanningDrive = drive;
        StartScan({mountPoint, mountPoint, {}}, DriveText(drive));
        return;
    }
    scanningDrive = kSavedScan;
    StartScan({{}, {}, options.importFile}, SavedScanFileText());
}

// A running job is never superseded: the commands that would start another
// are disabled while it runs.
void TKelmoWindow::StartScan(ScanJob::Request request, const QString& splashText)
{
    splash = new KelmoSplash(this, KelmoSplash::CreditCaption(), splashText);
    // Closing the splash closes the program, also during the first scan,
    // when no main window is shown yet.
    splash->SetCloseRequestHandler([this] { close(); });
    if (scanningDrive == kSavedScan && options.importFile == "-" && savedScanRead)
        request.file.clear(); // standard input can be read only once
    savedScanRead = savedScanRead || scanningDrive == kSavedScan;
    job = std::make_unique<ScanJob>(makeScanner(), std::move(request));
    connect(job.get(), &ScanJob::Finished, this, &TKelmoWindow::OnScanFinished);
    progressTimer.start();
    commands->Refresh();
}

void TKelmoWindow::RelayProgress()
{
    if (job)
        EvScanProgress(job->ScannedBytes(survey.GetSizeMode()));
}

void TKelmoWindow::OnScanFinished()
{
    progressTimer.stop();
    ScanResult result = job->TakeResult();
    // The job has announced its end; it goes once this handler is done.
    job.release()->deleteLater();
    const int drive = scanningDrive;
    if (result.Scanned()) {
        survey.SetDrive(drive);
        survey.Adopt(std::move(result));
        if (drive == kSavedScan)
            ListSavedScan();
        EvScanProgress(survey.Root().bytes());
        RebuildView();
    } else {
        // The splash goes first, so that the box is on top and has the focus.
        if (splash)
            splash->Abandon();
        ShowScanFailure(result);
    }
    driveList->setCurrentIndex(driveList->findData(survey.GetDrive()));
    ShowFreeSpace();
    commands->Refresh();
    if (closeRequested)
        return;
    showNormal();
    if (splash) {
        splash->setFocus();
        splash->Destroy(lingerMs);
    }
}

void TKelmoWindow::ShowScanFailure(const ScanResult& result)
{
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
    freeBytesLabel->setText(QStringLiteral("Free Space : ")
                            + (freeBytes == -1 ? QStringLiteral("Unknown")
                                               : QString::fromStdString(FormatBytes(freeBytes))));
}

void TKelmoWindow::FillDriveList()
{
    for (int i = 0; i < drives.Count(); ++i)
        driveList->addItem(DisplayName(drives.MountPoint(i)), i);
    driveList->model()->sort(0);
}

// The saved scan stands in the list under its root's path once it has been read.
void TKelmoWindow::ListSavedScan()
{
    if (driveList->findData(kSavedScan) != -1)
        return;
    driveList->addItem(DriveText(kSavedScan) + QStringLiteral(" (saved)"), kSavedScan);
    driveList->model()->sort(0);
}

void TKelmoWindow::RebuildView()
{
    const NavigationCursor& cursor = survey.Cursor();
    std::unique_ptr<ChildList> list = cursor.BuildChildList();
    std::vector<std::int64_t> sizes = list ? list->sizes : std::vector<std::int64_t>();
    const DirectoryOnDisplay directory{cursor.HasParentDir(), DisplayedBytes(), Path().Text()};
    const int count = BuildLegend(this, WindowLayout(size()).legend, legend, emptyLegend, std::move(list), directory);
    WireLegend();
    sizes.resize(static_cast<std::size_t>(count));
    chart->SetValues(sizes);
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
        chart->SetMarkedSlice(index);
        commands->Refresh();
    });
    if (legend)
        connect(legend.get(), &KeyBox::EntryDoubleClicked, this, [this] { commands->Trigger(Command::GoDown); },
                Qt::QueuedConnection);
}

// At the root the menu offers the root's figures and greys the way up;
// below it, the way up.
void TKelmoWindow::OpenLegendMenu(const QPoint& globalPosition)
{
    commands->Refresh();
    auto* menu = new QMenu(this); // deletes itself once closed
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->addAction(commands->Action(Command::SubInfo));
    menu->addSeparator();
    if (!survey.Cursor().HasParentDir()) {
        menu->addAction(commands->Action(Command::RootInfo));
        menu->addSeparator();
    }
    menu->addAction(commands->Action(Command::Back));
    menu->addAction(commands->Action(Command::Top));
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
    pathLabel->setText(path.Shown());
}

std::int64_t TKelmoWindow::DisplayedBytes() const
{
    const DirNode current = survey.Cursor().GetCurrentDir();
    return current ? current.bytes() : 0;
}

DirNode TKelmoWindow::SelectedChild() const
{
    const DirNode current = survey.Cursor().GetCurrentDir();
    const int selected = legend ? legend->SelectedIndex() : -1;
    if (!current || selected < 0)
        return {};
    DirNode node = current.firstChild();
    for (int i = 0; node && i < selected; ++i)
        node = node.nextSibling();
    return node;
}

void TKelmoWindow::EvLegendDblClk()
{
    const DirNode node = SelectedChild();
    if (!node) {
        ShowSubDirectoryNotFound(this);
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
    OpenTextWindow(QStringLiteral("Sub-Directory Information"), 300, DisplayName(BuildDirReport(node)));
}

void TKelmoWindow::CmUpdate()
{
    SelectDrive(survey.GetDrive());
}

// Picking the drive on display again does not rescan it.
void TKelmoWindow::EvDriveChange(int listIndex)
{
    const int drive = driveList->itemData(listIndex).toInt();
    if (job || drive == survey.GetDrive())
        return;
    SelectDrive(drive);
}

void TKelmoWindow::CmSizeMode()
{
    const bool toApparent = survey.GetSizeMode() == SizeMode::DiskUsage;
    survey.SetSizeMode(toApparent ? SizeMode::Apparent : SizeMode::DiskUsage);
    ShowSizeMode();
    if (!survey.Root() || job)
        return;
    const int selected = legend ? legend->SelectedIndex() : -1;
    RebuildView();
    if (legend && selected >= 0)
        legend->SetSelectedIndex(selected);
}

void TKelmoWindow::ShowSizeMode()
{
    const bool apparent = survey.GetSizeMode() == SizeMode::Apparent;
    keyLabel->setText(apparent ? QStringLiteral("Key (apparent sizes)") : QStringLiteral("Key"));
}

void TKelmoWindow::CmAbout()
{
    splash = new KelmoSplash(this, QStringLiteral("About")); // closes and deletes itself
}

void TKelmoWindow::CmExit()
{
    close();
}

void TKelmoWindow::EvScanProgress(std::int64_t scannedBytes)
{
    if (splash && !splash->IsAbout())
        QCoreApplication::postEvent(splash, new ScanProgressEvent(QString::fromStdString(FormatBytes(scannedBytes))));
}

void TKelmoWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceControls();
}

void TKelmoWindow::RestoreGeometry()
{
    if (settingsFile.isEmpty())
        return;
    const QSettings settings(settingsFile, QSettings::IniFormat);
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
}

void TKelmoWindow::SaveGeometry() const
{
    if (settingsFile.isEmpty() || !isVisible())
        return;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
}

// A close request may come while a scan, the splash's wait, About, a text
// window or a message box holds the window. The scan is stopped and waited
// for (a walk checks for the stop before every directory), every
// auxiliary window is told to go, and the program ends.
void TKelmoWindow::closeEvent(QCloseEvent* event)
{
    SaveGeometry();
    closeRequested = true;
    progressTimer.stop();
    job.reset();
    CloseAuxiliaryWindows();
    event->accept();
    QCoreApplication::quit();
}

void TKelmoWindow::CloseAuxiliaryWindows()
{
    if (splash)
        splash->Abandon();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible())
            child->close();
}
