#pragma once

#include "CommandTable.h"
#include "DirectoryCommands.h"
#include "ComparedScan.h"
#include "Drives.h"
#include "FileInfo.h"
#include "KeyBox.h"
#include "MainWindowControls.h"
#include "Options.h"
#include "PathText.h"
#include "ScanController.h"
#include "SurveyLoader.h"
#include "WindowLayout.h"
#include "WindowSettings.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>


// The main window: the pie chart of the directory on display, its legend, the
// drive list and the buttons that move through the tree. Scans run as jobs
// on threads of their own while the window stays responsive behind the
// splash; every command is a row of its command table.
class TKelmoWindow : public QWidget {
public:
    // The drive index of a saved scan (kelmo --import FILE).
    static constexpr int kSavedScan = -2;

    // options: the command line, parsed; drives: the drives to offer;
    // lingerMs: how long the scan splash stays after a scan (tests make it
    // short); settingsFile: where the window keeps its size and place (none
    // when empty).
    TKelmoWindow(Options options, Drives drives, int lingerMs, QString settingsFile = {});
    ~TKelmoWindow() override;

    // Start-up: the drive argument, the first scan (which goes on after this
    // returns) and the drive list.
    void SetupWindow() { loader.Setup(); }
    bool Scanning() const { return scans->Running(); }

    void RebuildView();
    void EvLegendDblClk();
    void CmBack();
    void CmTop();
    void CmPath();
    void CmDirInfo(Command which);
    void CmUpdate();
    void EvDriveChange(int listIndex);
    // Switches between disk usage and apparent sizes, without a rescan.
    void CmSizeMode();
    // Switches the key and the pie between listing order and largest first.
    void CmSortOrder();
    // Switches sizes between exact bytes and readable units.
    void CmUnits();
    // Shows what grew since a saved scan the person picks, and back to sizes.
    void CmCompare() { loader.ChooseEarlierScan(); }
    void CmShowSizes();
    void CmAbout();
    void CmExit();
    // A folder opens on its drive with the folder on display; any other
    // file, as a saved scan.
    void OpenPath(const std::string& path) { loader.OpenPath(path); }

    // True once the window has been asked to close; start-up then neither
    // shows it nor runs the event loop.
    bool CloseRequested() const { return closeRequested; }
    // 1 when the window was started on a saved scan and closed without ever
    // showing a tree (the scan could not be read), as --report --import
    // would end; else 0.
    int ExitStatus() const { return !options.importFile.empty() && !survey.Root() ? 1 : 0; }

    // For tests and screenshots.
    FileInfo& Survey() { return survey; }
    SurveyLoader& Loader() { return loader; }
    ScanController& Scans() { return *scans; }
    const CommandTable& Commands() const { return *commands; }
    ChartView* Chart() const { return controls.chart; }
    KeyBox* Legend() const { return legend ? legend.get() : emptyLegend.get(); }
    PathText Path() const;
    QComboBox* DriveList() const { return controls.driveList; }
    QLabel* FreeBytesLabel() const { return controls.freeBytesLabel; }
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
    friend class SurveyLoader;
    friend class DirectoryCommands;

    void WireControls();
    void AddCommands();
    void WireLegend();
    void OpenLegendMenu(const QPoint& globalPosition);
    void OpenMenu(const QPoint& globalPosition);
    void SelectSlice(int slice);
    void ShowFreeSpace();
    void ShowSizeMode();
    void RebuildViewKeeping(const DirNode& selected);
    int ShownIndexOf(const DirNode& node) const;
    void ShowPath();
    DirNode SelectedChild() const;
    std::int64_t DisplayedBytes() const;
    void OpenTextWindow(const QString& caption, int textWidth, const QString& text);
    void CloseAuxiliaryWindows();

    Options options;
    Drives drives;
    FileInfo survey;
    int lingerMs;
    WindowSettings settings;
    bool closeRequested = false;

    ScanController* scans = nullptr;
    CommandTable* commands = nullptr;
    MainWindowControls controls;
    SurveyLoader loader{*this};
    DirectoryCommands fileCommands{*this};
    std::unique_ptr<KeyBox> emptyLegend;
    std::unique_ptr<KeyBox> legend;
    ChildOrder childOrder = ChildOrder::Listing;
    SizeUnits units = SizeUnits::Bytes;
    std::unique_ptr<ComparedScan> compared;
    std::vector<DirNode> shownChildren; // in the legend's order
};
