#pragma once

#include "CommandTable.h"
#include "DirectoryCommands.h"
#include "DirectoryView.h"
#include "DirectoryViewRows.h"
#include "Drives.h"
#include "FileInfo.h"
#include "HistoryCommands.h"
#include "LegendHolder.h"
#include "LookCommands.h"
#include "MainWindowControls.h"
#include "Options.h"
#include "PathText.h"
#include "PictureHolder.h"
#include "ScanController.h"
#include "SurveyLoader.h"
#include "ViewState.h"
#include "WindowFrame.h"
#include "WindowSettings.h"

#include <QWidget>

#include <string>

class ChartView;

// The main window: a picture of the directory on display, its legend, the
// drive list and the buttons that move through the tree. What it shows is
// one ViewState, which every part of the window follows; scans run as jobs
// on threads of their own while the window stays responsive behind the
// splash; every command is a row of its command table.
class TKelmoWindow : public QWidget {
public:
    // options: the command line, parsed; drives: the drives to offer;
    // lingerMs: how long the scan splash stays after a scan (tests make it
    // short); settingsFile: where the window keeps its size and place (none
    // when empty).
    TKelmoWindow(Options options, Drives drives, int lingerMs, QString settingsFile = {});
    ~TKelmoWindow() override;

    // Start-up: the drive argument and the first scan, which goes on after
    // this returns.
    void SetupWindow();
    bool Scanning() const { return scans.Running(); }

    void EvLegendDblClk() { OpenDirectory(state.SelectedChild()); }
    // Goes down to node, when there is more below it to show.
    void OpenDirectory(DirNode node);
    void CmBack();
    void CmTop();
    void CmPath();
    void CmDirInfo(Command which);
    void CmUpdate();
    void EvDriveChange(int listIndex);
    // Switches between disk usage and apparent sizes, without a rescan.
    void CmSizeMode();
    // Switches the key and the picture between listing order and largest first.
    void CmSortOrder();
    // Switches sizes between exact bytes and readable units.
    void CmUnits();
    // Shows what grew since a saved scan the person picks, and back to sizes.
    void CmCompare() { loader.ChooseEarlierScan(); }
    void CmShowSizes() { state.SetComparison(nullptr); }
    void CmAbout();
    void CmExit();
    // A folder opens on its drive with the folder on display; any other
    // file, as a saved scan.
    void OpenPath(const std::string& path) { loader.OpenPath(path); }

    // True once the window has been asked to close; start-up then neither
    // shows it nor runs the event loop.
    bool CloseRequested() const { return frame.Closing(); }
    // 1 when the window was started on a saved scan and closed without ever
    // showing a tree (the scan could not be read), as --report --import
    // would end; else 0.
    int ExitStatus() const { return !options.importFiles.empty() && !state.Root() ? 1 : 0; }

    // For tests and screenshots.
    const ViewState& State() const { return state; }
    const FileInfo& Survey() const { return state.Survey(); }
    ScanController& Scans() { return scans; }
    const CommandTable& Commands() const { return *commands; }
    DirectoryView* View() const { return picture.Shown(); }
    // The pie, while it is the picture shown; else null.
    ChartView* Chart() const;
    KeyBox* Legend() const { return legend.Shown(); }
    PathText Path() const;
    QComboBox* DriveList() const { return controls.driveList; }
    QLabel* FreeBytesLabel() const { return controls.freeBytesLabel; }
    QLabel* UnreadableLabel() const { return controls.unreadableLabel; }
    QLabel* PathLabel() const { return controls.pathLabel; }
    QLabel* KeyLabel() const { return controls.keyLabel; }
    QPushButton* UpdateButton() const { return controls.updateButton; }
    SmallButton* TopButton() const { return controls.topButton; }
    SmallButton* BackButton() const { return controls.backButton; }
    SmallButton* PathButton() const { return controls.pathButton; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void AddCommands();
    void AddViewSwitches();
    void Follow(ViewState::Changes what);
    void OpenMenu(const QPoint& globalPosition);
    void OpenWindowMenu(const QPoint& globalPosition);
    void OpenTextWindow(const QString& caption, int textWidth, const QString& text);
    void CloseAuxiliaryWindows();
    void SplashCloseRequested();

    Options options;
    Drives drives;
    WindowSettings settings;
    ViewState state;
    WindowFrame frame{*this};

    ScanController scans;
    CommandTable* commands;
    MainWindowControls controls;
    LegendHolder legend;
    PictureHolder picture;
    SurveyLoader loader;
    DirectoryCommands directoryCommands;
    HistoryCommands historyCommands;
    LookCommands looks;
};
