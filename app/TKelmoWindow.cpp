#include "TKelmoWindow.h"

#include "AuxiliaryWindow.h"
#include "BuildLegend.h"
#include "CommandEvent.h"
#include "CommandIds.h"
#include "DisplayName.h"
#include "FormatBytes.h"
#include "KelmoSplash.h"
#include "KeyCommands.h"
#include "MessageBoxes.h"
#include "QPainterPieCanvas.h"
#include "ScanProgressEvent.h"
#include "SliceHitTest.h"
#include "SmallButton.h"
#include "SmallWin.h"
#include "ThreadCount.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include <cstdlib>
#include <thread>

namespace {

const char* const kNotAvailable = "Selected Disk was Not\rAvailable or is Blank";

void ShowNotAvailable(QWidget* owner)
{
    ShowMessageBox(owner, QString::fromLatin1(kNotAvailable), QStringLiteral("Kelmo"), MessageIcon::Information);
}

void ShowSubDirectoryNotFound(QWidget* owner)
{
    ShowMessageBox(owner, QStringLiteral("Sub-Directory Not Found"), QStringLiteral("System Error"),
                   MessageIcon::Stop);
}

QString UsageText()
{
    return QStringLiteral("Invalid command-line; Use:\r\n\r\n") + QStringLiteral("    kelmo <path>\r\n\r\n")
        + QStringLiteral("i.e.:    kelmo /home");
}

} // namespace

TKelmoWindow::TKelmoWindow(std::vector<std::string> args, std::vector<MountEntry> drives, int linger)
    : cmdLine(std::move(args)), survey(std::move(drives)), lingerMs(linger)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelmo"));
    setWindowIcon(QIcon(QStringLiteral(":/kelmo/kelmo.png")));
    setFixedSize(kClientWidth, kClientHeight);
    PaintLightGrey(*this);
    CentreOnScreen(*this);
    survey.SetProgress([this](std::int64_t diskBytes, std::int64_t apparentBytes) {
        PostScanProgress(survey.GetSizeMode() == SizeMode::DiskUsage ? diskBytes : apparentBytes);
    });
    CreateControls();
}

TKelmoWindow::~TKelmoWindow() = default;

QPushButton* TKelmoWindow::AddButton(const QString& caption, int x, int y, void (TKelmoWindow::*handler)())
{
    auto* button = new QPushButton(caption, this);
    button->setGeometry(x, y, 80, 20);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

SmallButton* TKelmoWindow::AddSmallButton(int id, const QString& caption, int x, int y,
                                          void (TKelmoWindow::*handler)())
{
    auto* button = new SmallButton(this, id, caption, x, y, 45, 20);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TKelmoWindow::CreateControls()
{
    AddLabel(*this, QStringLiteral("Available Drives"), 370, 20, 250, 25);
    driveList = new QComboBox(this);
    driveList->setGeometry(370, 50, 250, driveList->sizeHint().height());
    driveList->setMaxVisibleItems(5);
    connect(driveList, qOverload<int>(&QComboBox::activated), this, &TKelmoWindow::EvDriveChange);
    keyLabel = AddLabel(*this, QStringLiteral("Key"), 370, 100, 250, 25);
    AddButton(QStringLiteral("Exit"), 18, 400, &TKelmoWindow::CmExit);
    topButton = AddSmallButton(CM_TOP, QStringLiteral("Top"), 18, 5, &TKelmoWindow::CmTop);
    backButton = AddSmallButton(CM_BACK, QStringLiteral("Back"), 73, 5, &TKelmoWindow::CmBack);
    updateButton = AddButton(QStringLiteral("Update"), 460, 400, &TKelmoWindow::CmUpdate);
    AddButton(QStringLiteral("About"), 540, 400, &TKelmoWindow::CmAbout);
    AddLabel(*this, QStringLiteral("Kelmo Software 1996"), 230, 415, 200, 25);
    freeBytesLabel = AddLabel(*this, QString(), 20, 350, 250, 20);
    pathButton = AddSmallButton(CM_PATH, QStringLiteral("Path"), 20, 372, &TKelmoWindow::CmPath);
    pathLabel = AddLabel(*this, QString(), 70, 375, 330, 20);
    pathLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

// Options for the walk, and a saved scan to show instead of a drive, come
// before the drive argument and leave it alone; a malformed one stays behind
// for the argument check to refuse.
void TKelmoWindow::TakeScanOptions()
{
    for (auto at = cmdLine.begin(); at != cmdLine.end();) {
        if (*at == "--apparent-size") {
            survey.SetSizeMode(SizeMode::Apparent);
            at = cmdLine.erase(at);
        } else if (*at == "--threads" && at + 1 != cmdLine.end()) {
            const int count = ThreadCountOf(*(at + 1));
            if (count < 0)
                return;
            survey.SetThreads(count);
            at = cmdLine.erase(at, at + 2);
        } else if (*at == "--import" && at + 1 != cmdLine.end() && savedScanFile.empty()) {
            savedScanFile = *(at + 1);
            at = cmdLine.erase(at, at + 2);
        } else {
            ++at;
        }
    }
}

void TKelmoWindow::SetupWindow()
{
    TakeScanOptions();
    ShowSizeMode();
    const int drive = ParseDriveArgument();
    if (drive != -1) {
        SelectDrive(drive);
        survey.SetDrive(drive);
    }
    // A saved scan cannot be scanned again.
    if (drive == -1 || drive == kSavedScan)
        updateButton->setEnabled(false);
    FillDriveList();
    driveList->setCurrentIndex(driveList->findData(drive));
}

int TKelmoWindow::ParseDriveArgument()
{
    if (!savedScanFile.empty() && cmdLine.empty())
        return kSavedScan;
    if (!cmdLine.empty() || !savedScanFile.empty()) {
        const std::string& argument = cmdLine.empty() ? savedScanFile : cmdLine.front();
        // Checked as bytes: a name that is not valid UTF-8 is still a path.
        const bool valid = savedScanFile.empty() && cmdLine.size() == 1 && !argument.empty() && argument[0] != '-'
            && !FileInfo::CanonicalPath(argument).empty();
        if (!valid) {
            ShowMessageBox(this, UsageText(), KelmoSplash::CreditCaption(), MessageIcon::None);
            return -1;
        }
    }
    // Started from a directory on no drive (/dev/shm, a FUSE mount), Kelmo
    // says so just as for such a path argument.
    const int drive = cmdLine.empty() ? survey.CurrentDrive() : survey.DriveOfPath(cmdLine.front());
    if (drive == -1)
        ShowNotAvailable(this);
    return drive;
}

QString TKelmoWindow::DriveText(int drive) const
{
    if (drive == kSavedScan)
        return DisplayName(survey.GetSavedRoot());
    const auto& drives = survey.GetDrives();
    if (drive < 0 || drive >= static_cast<int>(drives.size()))
        return QString();
    return DisplayName(drives[drive].mountPoint);
}

bool TKelmoWindow::SelectDrive(int drive)
{
    QString freeText = QStringLiteral("Free Space : ");
    const bool saved = drive == kSavedScan;
    splash = new KelmoSplash(this, KelmoSplash::CreditCaption(), saved ? SavedScanFileText() : DriveText(drive));
    std::string error;
    const bool scanned = WhileTheWindowLives(
        [&] { return saved ? ReadSavedScan(error) : survey.ScanDrive(drive, true); });
    // A close request stopped the scan and closed the splash.
    if (closeRequested)
        return false;
    if (scanned) {
        pathText.AppendPath(DriveText(drive), true);
        RebuildView();
    } else if (!error.empty()) {
        ShowMessageBox(this, DisplayName(error), QStringLiteral("Kelmo"), MessageIcon::Stop);
    } else {
        ShowNotAvailable(this);
    }
    const std::int64_t freeBytes = survey.GetFreeBytes();
    freeText += freeBytes == -1 ? QStringLiteral("Unknown") : QString::fromStdString(FormatBytes(freeBytes));
    freeBytesLabel->setText(freeText);
    showNormal();
    if (splash) {
        splash->setFocus();
        splash->Destroy(lingerMs);
    }
    return scanned;
}

// The walk (or the reading of a saved scan) runs on threads of its own;
// this thread goes on painting the splash and relaying the running total
// until it is done.
bool TKelmoWindow::WhileTheWindowLives(const std::function<bool()>& scan)
{
    QEventLoop waiting;
    bool scanned = false;
    std::thread walk([&] {
        scanned = scan();
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    walk.join();
    return scanned;
}

// Standard input can be read only once.
bool TKelmoWindow::ReadSavedScan(std::string& error)
{
    if (savedScanFile == "-" && savedScanRead) {
        error = "The saved scan came from standard input, which can be read only once.";
        return false;
    }
    savedScanRead = true;
    return survey.ImportScan(savedScanFile, error);
}

QString TKelmoWindow::SavedScanFileText() const
{
    return savedScanFile == "-" ? QStringLiteral("standard input") : DisplayName(savedScanFile);
}

void TKelmoWindow::FillDriveList()
{
    const auto& drives = survey.GetDrives();
    for (std::size_t i = 0; i < drives.size(); ++i)
        driveList->addItem(DisplayName(drives[i].mountPoint), static_cast<int>(i));
    if (!survey.GetSavedRoot().empty())
        driveList->addItem(DriveText(kSavedScan) + QStringLiteral(" (saved)"), kSavedScan);
    driveList->model()->sort(0);
}

void TKelmoWindow::RebuildView()
{
    std::unique_ptr<ChildList> list = survey.BuildChildList();
    std::vector<std::int64_t> sizes = list ? list->sizes : std::vector<std::int64_t>();
    const DirectoryOnDisplay directory{survey.HasParentDir(), DisplayedBytes(), pathText.Text()};
    const int count = BuildLegend(this, legend, emptyLegend, std::move(list), directory);
    if (legend) {
        // Going down replaces the legend, so it must not happen inside the
        // legend's own double-click handling.
        connect(legend.get(), &KeyBox::EntryDoubleClicked, this, &TKelmoWindow::EvLegendDblClk,
                Qt::QueuedConnection);
    }
    if (count > 0) {
        sizes.resize(count);
        chart.SetValues(sizes);
    } else {
        chart.Clear();
    }
    chartImage = QPixmap();
    ShowPath();
    backButton->setEnabled(survey.HasParentDir());
    topButton->setEnabled(survey.HasParentDir());
    update();
}

void TKelmoWindow::ShowPath()
{
    pathLabel->setText(pathText.Shown());
    pathButton->setEnabled(pathText.IsCut());
}

std::int64_t TKelmoWindow::DisplayedBytes() const
{
    const DirNode current = survey.GetCurrentDir();
    return current ? current.bytes() : 0;
}

DirNode TKelmoWindow::SelectedChild() const
{
    const DirNode current = survey.GetCurrentDir();
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
    pathText.AppendPath(DisplayName(node.name()), false);
    survey.SetCurrentDir(node);
    RebuildView();
}

void TKelmoWindow::CmBack()
{
    if (!survey.HasParentDir())
        return;
    pathText.PathUp();
    survey.GoToParentDir();
    RebuildView();
}

void TKelmoWindow::CmTop()
{
    if (!survey.HasParentDir())
        return;
    pathText.PathToRoot(DriveText(survey.GetDrive()));
    survey.SetCurrentDir(DirNode());
    RebuildView();
}

void TKelmoWindow::OpenTextWindow(const QString& caption, int textWidth, const QString& text)
{
    auto* window = new SmallWin(this, caption, textWidth); // deletes itself when closed
    window->SetText(text);
}

void TKelmoWindow::CmPath()
{
    OpenTextWindow(QStringLiteral("Path"), 500, pathText.Text());
}

void TKelmoWindow::CmDirInfo(int commandId)
{
    if (!survey.GetCurrentDir())
        return;
    const DirNode node = commandId == CM_SUBDIR_INFO ? SelectedChild() : survey.GetCurrentDir();
    if (!node) {
        ShowSubDirectoryNotFound(this);
        return;
    }
    OpenTextWindow(QStringLiteral("Sub-Directory Information"), 300, DisplayName(survey.BuildDirReport(node)));
}

void TKelmoWindow::CmUpdate()
{
    SelectDrive(survey.GetDrive());
}

void TKelmoWindow::EvDriveChange(int listIndex)
{
    updateButton->setEnabled(true);
    const int previous = survey.GetDrive();
    const int drive = driveList->itemData(listIndex).toInt();
    if (drive != previous) {
        if (SelectDrive(drive)) {
            survey.SetDrive(drive);
        } else {
            const int previousEntry = driveList->findData(previous);
            if (previousEntry != -1)
                driveList->setCurrentIndex(previousEntry);
        }
    }
    // A saved scan on display cannot be scanned again.
    if (survey.GetDrive() == kSavedScan)
        updateButton->setEnabled(false);
}

void TKelmoWindow::CmSizeMode()
{
    const bool toApparent = survey.GetSizeMode() == SizeMode::DiskUsage;
    survey.SetSizeMode(toApparent ? SizeMode::Apparent : SizeMode::DiskUsage);
    ShowSizeMode();
    if (!survey.Root())
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

void TKelmoWindow::EvLButtonDown(const QPoint& point)
{
    SelectSliceAt(point);
}

// Goes down into the slice's sub-directory, as a double-click on its legend
// entry does.
void TKelmoWindow::EvLButtonDblClk(const QPoint& point)
{
    if (SelectSliceAt(point))
        EvLegendDblClk();
}

// -1 off the chart, and while there is no full legend with slice points.
int TKelmoWindow::SliceUnder(const QPoint& point) const
{
    const PiePoint at{point.x(), point.y()};
    if (!legend || !legend->HasSlicePoints() || !chart.Contains(at))
        return -1;
    return SliceAt(chart, at, legend->StartPoints(), legend->EndPoints());
}

bool TKelmoWindow::SelectSliceAt(const QPoint& point)
{
    const int slice = SliceUnder(point);
    if (slice < 0)
        return false;
    if (legend->SelectedIndex() != slice)
        legend->SetSelectedIndex(slice);
    return true;
}

void TKelmoWindow::ShowSliceToolTip(const QHelpEvent& help)
{
    const int slice = SliceUnder(help.pos());
    if (slice < 0)
        QToolTip::hideText();
    else
        QToolTip::showText(help.globalPos(), legend->ToolTip(slice), this);
}

// Called on the walking threads. One pending event carries whatever total
// is latest when it is handled, so a slow spell of this thread never leaves
// a queue of stale totals behind.
void TKelmoWindow::PostScanProgress(std::int64_t scannedBytes)
{
    latestScannedBytes = scannedBytes;
    if (!progressPending.exchange(true))
        QCoreApplication::postEvent(this, new ScanProgressEvent);
}

void TKelmoWindow::EvScanProgress(std::int64_t scannedBytes)
{
    if (splash && !splash->IsAbout())
        QCoreApplication::postEvent(splash, new ScanProgressEvent(QString::fromStdString(FormatBytes(scannedBytes))));
}

// The commands that arrive from the keys and the legend's menu; each runs
// only where its button would.
void TKelmoWindow::RunCommand(int commandId)
{
    if (!CommandEnabled(commandId))
        return;
    switch (commandId) {
    case IDC_LEGEND:
        EvLegendDblClk();
        break;
    case CM_BACK:
        CmBack();
        break;
    case CM_TOP:
        CmTop();
        break;
    case CM_UPDATE:
        CmUpdate();
        break;
    case CM_EXIT:
        CmExit();
        break;
    case CM_SUBDIR_INFO:
    case CM_ROOT_INFO:
        CmDirInfo(commandId);
        break;
    case CM_SIZE_MODE:
        CmSizeMode();
        break;
    default:
        break;
    }
}

bool TKelmoWindow::CommandEnabled(int commandId) const
{
    switch (commandId) {
    case IDC_LEGEND:
        return legend != nullptr;
    case CM_BACK:
        return backButton->isEnabled();
    case CM_TOP:
        return topButton->isEnabled();
    case CM_UPDATE:
        return updateButton->isEnabled();
    default:
        return true;
    }
}

void TKelmoWindow::customEvent(QEvent* event)
{
    if (event->type() == CommandEvent::EventType)
        RunCommand(static_cast<CommandEvent*>(event)->Id());
    else if (event->type() == ScanProgressEvent::EventType) {
        progressPending = false; // before reading, so no later total is missed
        EvScanProgress(latestScannedBytes);
    }
}

bool TKelmoWindow::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    ShowSliceToolTip(static_cast<const QHelpEvent&>(*event));
    return true;
}

void TKelmoWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter);
    if (legend)
        legend->PaintMarkers(painter);
}

// Working out a hundred thousand slices takes longer than a frame, so the
// chart is drawn once per view (and whenever the device's resolution
// changes), at the device's resolution, and handed its slice points to the
// legend then. Every later paint, a marker move included, copies only the
// part of the picture it needs.
void TKelmoWindow::PaintChart(QPainter& painter)
{
    // The engine's device is the one painted on, also when the paint is
    // redirected (a grab, a render into a picture).
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (chartImage.isNull() || chartImage.devicePixelRatio() != ratio) {
        const PieRect bounds = chart.Bounds();
        chartImage = QPixmap(QSize(bounds.right, bounds.bottom) * ratio);
        chartImage.setDevicePixelRatio(ratio);
        chartImage.fill(palette().color(QPalette::Window));
        QPainter imagePainter(&chartImage);
        QPainterPieCanvas canvas(imagePainter);
        const RtnCoords coords = chart.Draw(canvas);
        if (coords.count != 0 && legend)
            legend->SetSlicePoints(coords.starts, coords.ends);
    }
    painter.drawPixmap(0, 0, chartImage);
}

void TKelmoWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    chart.SetBounds(20, 20, 20 + width() / 2, 20 + height());
    chartImage = QPixmap();
    update();
}

void TKelmoWindow::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        EvLButtonDown(event->position().toPoint());
}

void TKelmoWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        EvLButtonDblClk(event->position().toPoint());
}

// Keys that reach the window from any of its controls; the legend passes on
// the window's keys and keeps the arrows, which move its selection.
void TKelmoWindow::keyPressEvent(QKeyEvent* event)
{
    const int command = CommandForKey(*event);
    if (command == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    RunCommand(command);
}

// A close request may come while a scan, the splash's wait, About, a text
// window or a message box holds the window. Each is told to stop, so that
// every nested loop unwinds, and the program ends: no process without a
// window, no window shown again.
void TKelmoWindow::closeEvent(QCloseEvent* event)
{
    closeRequested = true;
    survey.CancelScan();
    CloseAuxiliaryWindows();
    event->accept();
    // Leaves the event loop, from inside a nested one too. Before the event
    // loop runs (the first scan) it does nothing; start-up then stops.
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
