#include "TKelmoWindow.h"

#include "AuxiliaryWindow.h"
#include "BuildLegend.h"
#include "ChartView.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "FormatBytes.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
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
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

void ShowSubDirectoryNotFound(QWidget* owner)
{
    ShowMessageBox(owner, QStringLiteral("Sub-Directory Not Found"), QStringLiteral("System Error"),
                   MessageIcon::Stop);
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
        [this](ScanResult result) { loader.OnScanFinished(std::move(result)); });
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
    commands->Add({Command::Compare, QStringLiteral("Compare with Saved Scan..."),
                   {QKeySequence(Qt::CTRL | Qt::Key_D)}, hasTree, [this] { CmCompare(); }});
    commands->Add({Command::ShowSizes, QStringLiteral("Show Sizes"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
                   [this] { return !Scanning() && compared; }, [this] { CmShowSizes(); }});
    fileCommands.AddRows();
    commands->Bind(controls.exitButton, Command::Exit);
    commands->Bind(controls.topButton, Command::Top);
    commands->Bind(controls.backButton, Command::Back);
    commands->Bind(controls.updateButton, Command::Update);
    commands->Bind(controls.aboutButton, Command::About);
    commands->Bind(controls.pathButton, Command::Path);
    commands->Refresh();
}

void TKelmoWindow::CmShowSizes()
{
    compared.reset();
    controls.keyLabel->setToolTip(QString());
    ShowSizeMode();
    RebuildViewKeeping(SelectedChild());
}

// A failed scan leaves the tree on display, and its free space, as they were.
void TKelmoWindow::ShowFreeSpace()
{
    const std::int64_t freeBytes = survey.Root() ? survey.GetFreeBytes() : -1;
    controls.freeBytesLabel->setText(QStringLiteral("Free Space : ")
                            + (freeBytes == -1 ? QStringLiteral("Unknown")
                                               : QString::fromStdString(FormatSize(freeBytes, units))));
}

void TKelmoWindow::RebuildView()
{
    const NavigationCursor& cursor = survey.Cursor();
    std::unique_ptr<ChildList> list = compared ? compared->Children(cursor.GetCurrentDir(), survey.GetSizeMode())
                                               : cursor.BuildChildList(childOrder);
    std::vector<std::int64_t> sizes = list ? list->sizes : std::vector<std::int64_t>();
    // The legend shows names and sizes; the window keeps the nodes behind them.
    shownChildren = list ? std::move(list->nodes) : std::vector<DirNode>();
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
    legend->SetDragData([this](int) { return DirectoryActions::PathData(fileCommands.TargetPath()); });
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
    loader.SelectDrive(survey.GetDrive());
}

// Picking the drive on display again does not rescan it.
void TKelmoWindow::EvDriveChange(int listIndex)
{
    const int drive = controls.driveList->itemData(listIndex).toInt();
    if (Scanning() || drive == survey.GetDrive())
        return;
    loader.SelectDrive(drive);
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
    QMetaObject::invokeMethod(this, [this, path] { loader.OpenPath(path.toStdString()); }, Qt::QueuedConnection);
}

void TKelmoWindow::CloseAuxiliaryWindows()
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible())
            child->close();
}
