#include "TKelmoWindow.h"

#include "AuxiliaryWindow.h"
#include "ChartView.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "KelmoSplash.h"
#include "LocalNumbers.h"
#include "MessageBoxes.h"
#include "ScanSetup.h"
#include "SmallButton.h"
#include "SmallWin.h"
#include "TranslatedWords.h"
#include "WindowMenuParts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

void ShowSubDirectoryNotFound(QWidget* owner)
{
    ShowMessageBox(owner, QCoreApplication::translate("TKelmoWindow", "Sub-Directory Not Found"),
                   QCoreApplication::translate("TKelmoWindow", "System Error"), MessageIcon::Stop);
}

void ShowInformation(QWidget* owner, const QString& text)
{
    ShowMessageBox(owner, text, QStringLiteral("Kelmo"), MessageIcon::Information);
}

} // namespace

TKelmoWindow::TKelmoWindow(Options commandLine, Drives probed, int lingerMs, QString settingsFile)
    : options(std::move(commandLine)),
      drives(std::move(probed)),
      settings(std::move(settingsFile)),
      state(options.mode, settings.SortBySize() ? ChildOrder::LargestFirst : ChildOrder::Listing,
            settings.SizesInUnits() ? SizeUnits::Binary : SizeUnits::Bytes),
      scans(
          this, lingerMs, [this] { return std::make_pair(state.Mode(), state.Units()); },
          [this] { SplashCloseRequested(); }),
      commands(new CommandTable(this)),
      controls(this),
      legend(this, state,
             {[this] { commands->Trigger(Command::GoDown); }, [this](const QPoint& at) { OpenMenu(at); },
              [this](int) { return DirectoryActions::PathData(directoryCommands.TargetPath()); }}),
      picture(this, state, settings,
              {[this] { commands->Trigger(Command::GoDown); }, [this](DirNode node) { OpenDirectory(node); },
               [this](const QPoint& at) { OpenMenu(at); },
               [this](int entry) { return legend.Full() ? legend.Full()->ToolTip(entry) : QString(); },
               [this](int entry, QAccessible::Text kind) {
                   return legend.Full() ? legend.Full()->SpokenText(entry, kind) : QString();
               }}),
      loader(state, scans, options, drives, frame),
      directoryCommands(state, scans, frame),
      historyCommands(state, drives, frame),
      looks(settings)
{
    looks.ApplyStartingLook(options.look);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelmo"));
    setWindowIcon(QIcon(QStringLiteral(":/kelmo/kelmo.png")));
    setAcceptDrops(true);
    setMinimumSize(WindowLayout::kFirstSize);
    resize(WindowLayout::kFirstSize);
    PaintProgramBackground(*this);
    CentreOnScreen(*this);
    settings.RestoreGeometry(*this);
    scans.SetScannerFactory([this] { return ScannerFor(options); });
    controls.ListDrives(drives);
    connect(&state, &ViewState::Changed, this, &TKelmoWindow::Follow);
    connect(controls.driveList, qOverload<int>(&QComboBox::activated), this, &TKelmoWindow::EvDriveChange);
    // A scan that ends without a tree leaves the drive list and the free
    // space saying what is on display.
    connect(&scans, &ScanController::RunningChanged, this, [this] {
        if (!Scanning())
            controls.ShowState(state, ViewState::FreeSpace | ViewState::Source);
        commands->Refresh();
    });
    AddCommands();
    AddViewSwitches();
    resizeEvent(nullptr);
    picture.ShowChosen();
    // Until a tree is shown, the window shows its heading and no drive.
    Follow(ViewState::Heading | ViewState::Source);
}

TKelmoWindow::~TKelmoWindow() = default;

// With nothing to scan (a folder that cannot be read, a bad command line),
// the drives are what a person picks from next: the arrow keys open them.
void TKelmoWindow::SetupWindow()
{
    loader.Setup();
    if (!Scanning() && !state.Root())
        controls.driveList->setFocus();
}

// The window's own commands, then those that act on directories and those
// that load trees. A scan in progress holds back everything that would start
// another scan or look at the tree it is about to replace.
void TKelmoWindow::AddCommands()
{
    const auto idle = [this] { return !Scanning(); };
    const auto hasTree = [this] { return !Scanning() && state.Root(); };
    const auto below = [this] { return !Scanning() && state.Cursor().HasParentDir(); };
    const auto always = [] { return true; };
    commands->Add({Command::GoDown,
                   QCoreApplication::translate("TKelmoWindow", "Open"),
                   {Qt::Key_Return, Qt::Key_Enter},
                   MenuGroup::Open,
                   [this] { return !Scanning() && state.HasEntries(); },
                   [this] { EvLegendDblClk(); }});
    commands->Add({Command::Back,
                   QCoreApplication::translate("TKelmoWindow", "Parent Directory"),
                   {Qt::Key_Backspace, QKeySequence(Qt::ALT | Qt::Key_Up)},
                   MenuGroup::Go,
                   below,
                   [this] { CmBack(); }});
    commands->Add({Command::Top,
                   QCoreApplication::translate("TKelmoWindow", "Root Directory"),
                   {QKeySequence(Qt::ALT | Qt::Key_Home)},
                   MenuGroup::Go,
                   below,
                   [this] { CmTop(); }});
    commands->Add({Command::Keys,
                   QCoreApplication::translate("TKelmoWindow", "Keys..."),
                   {Qt::Key_F1},
                   MenuGroup::Help,
                   always,
                   [this] {
                       OpenTextWindow(QCoreApplication::translate("TKelmoWindow", "Keys"), 300,
                                      commands->KeysText(WindowMenuParts()));
                   }});
    commands->Add(
        {Command::About, QCoreApplication::translate("TKelmoWindow", "About"), {}, MenuGroup::Help, idle, [this] {
             CmAbout();
         }});
    commands->Add({Command::Exit,
                   QCoreApplication::translate("TKelmoWindow", "Exit"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Q)},
                   MenuGroup::Quit,
                   always,
                   [this] { CmExit(); }});
    commands->Add({Command::Menu,
                   QCoreApplication::translate("TKelmoWindow", "Menu"),
                   {Qt::Key_F10, Qt::Key_Menu},
                   MenuGroup::None,
                   always,
                   [this] { OpenWindowMenu(mapToGlobal(QPoint())); }});
    commands->Add({Command::Path,
                   QCoreApplication::translate("TKelmoWindow", "Path"),
                   {},
                   MenuGroup::Path,
                   [this] { return !Scanning() && Path().IsCut(); },
                   [this] { CmPath(); }});
    commands->Add({Command::SubInfo,
                   QCoreApplication::translate("TKelmoWindow", "Sub Info"),
                   {},
                   MenuGroup::Entry,
                   [this] { return !Scanning() && state.SelectedChild(); },
                   [this] { CmDirInfo(Command::SubInfo); }});
    // At the root the menu offers the root's figures; below it, the way up.
    commands->Add({Command::RootInfo,
                   QCoreApplication::translate("TKelmoWindow", "Root Info"),
                   {},
                   MenuGroup::Root,
                   hasTree,
                   [this] { CmDirInfo(Command::RootInfo); },
                   [this] { return !state.Cursor().HasParentDir(); }});
    commands->Add({Command::SizeMode,
                   QCoreApplication::translate("TKelmoWindow", "Apparent Sizes"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
                   MenuGroup::View,
                   always,
                   [this] { CmSizeMode(); },
                   {},
                   [this] { return state.Mode() == SizeMode::Apparent; }});
    commands->Add({Command::SortOrder,
                   QCoreApplication::translate("TKelmoWindow", "Sort by Size"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                   MenuGroup::View,
                   always,
                   [this] { CmSortOrder(); },
                   {},
                   [this] { return state.Order() == ChildOrder::LargestFirst; }});
    commands->Add({Command::Units,
                   QCoreApplication::translate("TKelmoWindow", "Sizes in Units"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U)},
                   MenuGroup::View,
                   always,
                   [this] { CmUnits(); },
                   {},
                   [this] { return state.Units() == SizeUnits::Binary; }});
    directoryCommands.AddRows(*commands);
    loader.AddRows(*commands);
    historyCommands.AddRows(*commands);
    looks.AddRows(*commands);
    commands->Add({Command::ShowSizes,
                   QCoreApplication::translate("TKelmoWindow", "Show Sizes"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
                   MenuGroup::Load,
                   [this] { return !Scanning() && state.Compared(); },
                   [this] { CmShowSizes(); }});
    commands->Bind(controls.exitButton, Command::Exit);
    commands->Bind(controls.topButton, Command::Top);
    commands->Bind(controls.backButton, Command::Back);
    commands->Bind(controls.updateButton, Command::Update);
    commands->Bind(controls.aboutButton, Command::About);
    commands->Bind(controls.pathButton, Command::Path);
    commands->Refresh();
}

void TKelmoWindow::AddViewSwitches()
{
    for (const DirectoryViewRow& row : DirectoryViewRows())
        commands->Add({row.command,
                       row.ShownName(),
                       {row.key},
                       MenuGroup::View,
                       [] { return true; },
                       [this, &row] {
                           picture.Show(row);
                           commands->Refresh();
                       },
                       {},
                       [this, &row] { return picture.Showing(row); }});
}

// Every change of what is shown passes here: the labels follow it (the
// picture and the legend follow it by themselves), and the commands' rules
// are asked again.
void TKelmoWindow::Follow(ViewState::Changes what)
{
    controls.ShowState(state, what);
    commands->Refresh();
}

ChartView* TKelmoWindow::Chart() const
{
    return qobject_cast<ChartView*>(picture.Shown());
}

// A click beside every entry leaves none selected, so that the menu's
// commands act on the directory on display.
void TKelmoWindow::contextMenuEvent(QContextMenuEvent* event)
{
    state.Select(-1);
    OpenWindowMenu(event->globalPos());
}

void TKelmoWindow::OpenWindowMenu(const QPoint& globalPosition)
{
    commands->PopUpMenu(globalPosition, WindowMenuParts());
}

// A right press on an entry gives that entry's menu; beside every entry, in
// the picture or the key, the window's, as on the window's empty space.
void TKelmoWindow::OpenMenu(const QPoint& globalPosition)
{
    if (state.SelectedIndex() < 0)
        return OpenWindowMenu(globalPosition);
    commands->PopUpMenu(globalPosition,
                        {MenuGroup::Target, MenuGroup::Entry, MenuGroup::Root, MenuGroup::Go, MenuGroup::Scan});
}

PathText TKelmoWindow::Path() const
{
    return PathText(DisplayName(state.PathText()));
}

void TKelmoWindow::OpenDirectory(DirNode node)
{
    if (!node) {
        ShowSubDirectoryNotFound(this);
        return;
    }
    if (state.Compared() && state.Compared()->IsGone(node)) {
        ShowInformation(this,
                        QCoreApplication::translate("TKelmoWindow", "This directory is gone since the earlier scan"));
        return;
    }
    if (!node.firstChild()) {
        ShowInformation(this,
                        node.unreadable()
                            ? QCoreApplication::translate("TKelmoWindow", "This entry %1")
                                  .arg(QString::fromStdString(UnreadableText(node)))
                            : QCoreApplication::translate("TKelmoWindow", "No Sub-Directories Exist For This Entry"));
        return;
    }
    state.GoTo(node);
}

void TKelmoWindow::CmBack()
{
    state.GoUp();
}

void TKelmoWindow::CmTop()
{
    state.GoTo(DirNode());
}

void TKelmoWindow::OpenTextWindow(const QString& caption, int textWidth, const QString& text)
{
    auto* window = new SmallWin(this, caption, textWidth); // deletes itself when closed
    window->SetText(text);
}

void TKelmoWindow::CmPath()
{
    OpenTextWindow(QCoreApplication::translate("TKelmoWindow", "Path"), 500, Path().Text());
}

void TKelmoWindow::CmDirInfo(Command which)
{
    const DirNode node = which == Command::SubInfo ? state.SelectedChild() : state.CurrentDir();
    if (!node) {
        ShowSubDirectoryNotFound(this);
        return;
    }
    const NumberMarks marks = LocaleNumberMarks();
    const std::string report = state.Compared()
        ? state.Compared()->Report(node, state.Mode(), marks, TranslatedComparisonWords())
        : BuildDirReport(node, state.Units(), marks, TranslatedReportWords());
    OpenTextWindow(QCoreApplication::translate("TKelmoWindow", "Sub-Directory Information"), 300, DisplayName(report));
}

void TKelmoWindow::CmUpdate()
{
    loader.SelectDrive(state.Scanned());
}

// Picking what is on display again does not rescan it.
void TKelmoWindow::EvDriveChange(int listIndex)
{
    const TreeSource source = controls.SourceAt(listIndex);
    if (Scanning() || !source || source == state.Scanned())
        return;
    loader.SelectDrive(source);
}

void TKelmoWindow::CmSizeMode()
{
    state.SetMode(state.Mode() == SizeMode::DiskUsage ? SizeMode::Apparent : SizeMode::DiskUsage);
}

void TKelmoWindow::CmUnits()
{
    state.SetUnits(state.Units() == SizeUnits::Bytes ? SizeUnits::Binary : SizeUnits::Bytes);
    settings.SetSizesInUnits(state.Units() == SizeUnits::Binary);
}

void TKelmoWindow::CmSortOrder()
{
    state.SetOrder(state.Order() == ChildOrder::Listing ? ChildOrder::LargestFirst : ChildOrder::Listing);
    settings.SetSortBySize(state.Order() == ChildOrder::LargestFirst);
}

void TKelmoWindow::CmAbout()
{
    new KelmoSplash(this, QCoreApplication::translate("TKelmoWindow", "About")); // closes and deletes itself
}

void TKelmoWindow::CmExit()
{
    close();
}

// During the first scan the splash is the only window on screen, and
// closing it ends the program; later, the window shows a tree (or the drive
// list) that closing the splash must not take away: it cancels the scan.
void TKelmoWindow::SplashCloseRequested()
{
    if (isVisible())
        loader.CancelScan();
    else
        close();
}

void TKelmoWindow::resizeEvent(QResizeEvent* event)
{
    if (event)
        QWidget::resizeEvent(event);
    const WindowLayout layout(size());
    controls.Place(layout);
    picture.Place(layout.chartBounds);
    legend.Place(layout.legend);
}

// A close request may come while a scan, the splash's wait, About, a text
// window or a message box holds the window. The scan is stopped and waited
// for (a walk checks for the stop before every directory), every
// auxiliary window is told to go, and the program ends.
void TKelmoWindow::closeEvent(QCloseEvent* event)
{
    settings.SaveGeometry(*this);
    frame.SetClosing();
    scans.Stop();
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
    QMetaObject::invokeMethod(
        this, [this, path] { loader.OpenPath(path.toStdString()); }, Qt::QueuedConnection);
}

void TKelmoWindow::CloseAuxiliaryWindows()
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible())
            child->close();
}
