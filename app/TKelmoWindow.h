#pragma once

#include "CommandTable.h"
#include "Drives.h"
#include "FileInfo.h"
#include "KeyBox.h"
#include "Options.h"
#include "PathText.h"
#include "ScanJob.h"
#include "WindowLayout.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class ChartView;
class KelmoSplash;
class QComboBox;
class QLabel;
class QPushButton;
class SmallButton;

// The main window: the pie chart of the directory on display, its legend, the
// drive list and the buttons that move through the tree. Scans run as jobs
// on threads of their own while the window stays responsive behind the
// splash; every command is a row of its command table.
class TKelmoWindow : public QWidget {
public:
    // The drive index of a saved scan (kelmo --import FILE).
    static constexpr int kSavedScan = -2;
    // How often the splash's running total is brought up to date.
    static constexpr int kProgressIntervalMs = 50;
    using ScannerFactory = std::function<std::unique_ptr<Scanner>()>;

    // options: the command line, parsed; drives: the drives to offer;
    // lingerMs: how long the scan splash stays after a scan (tests make it
    // short); settingsFile: where the window keeps its size and place (none
    // when empty).
    TKelmoWindow(Options options, Drives drives, int lingerMs, QString settingsFile = {});
    ~TKelmoWindow() override;

    // Tests replace the scanner (a fake file system) and the progress interval.
    void SetScannerFactory(ScannerFactory factory) { makeScanner = std::move(factory); }
    void SetProgressInterval(int milliseconds) { progressTimer.setInterval(milliseconds); }

    // Start-up: the drive argument, the first scan (which goes on after this
    // returns) and the drive list.
    void SetupWindow();
    int ParseDriveArgument();
    // Starts the scan of a drive, or of the saved scan; its end shows the result.
    void SelectDrive(int drive);
    bool Scanning() const { return job != nullptr; }
    void FillDriveList();
    void ListSavedScan();

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
    void CmAbout();
    void CmExit();
    void EvScanProgress(std::int64_t scannedBytes);

    // True once the window has been asked to close; start-up then neither
    // shows it nor runs the event loop.
    bool CloseRequested() const { return closeRequested; }

    // For tests and screenshots.
    FileInfo& Survey() { return survey; }
    const CommandTable& Commands() const { return *commands; }
    ChartView* Chart() const { return chart; }
    KeyBox* Legend() const { return legend ? legend.get() : emptyLegend.get(); }
    PathText Path() const;
    QComboBox* DriveList() const { return driveList; }
    QLabel* FreeBytesLabel() const { return freeBytesLabel; }
    QLabel* PathLabel() const { return pathLabel; }
    QLabel* KeyLabel() const { return keyLabel; }
    QPushButton* UpdateButton() const { return updateButton; }
    SmallButton* TopButton() const { return topButton; }
    SmallButton* BackButton() const { return backButton; }
    SmallButton* PathButton() const { return pathButton; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void AddCommands();
    void PlaceControls();
    void WireLegend();
    void OpenLegendMenu(const QPoint& globalPosition);
    void SelectSlice(int slice);
    void StartScan(ScanJob::Request request, const QString& splashText);
    void OnScanFinished();
    void ShowScanFailure(const ScanResult& result);
    void RelayProgress();
    void ShowFreeSpace();
    void ShowSizeMode();
    void ShowPath();
    QString DriveText(int drive) const;
    QString SavedScanFileText() const;
    DirNode SelectedChild() const;
    std::int64_t DisplayedBytes() const;
    void OpenTextWindow(const QString& caption, int textWidth, const QString& text);
    void RestoreGeometry();
    void SaveGeometry() const;
    void CloseAuxiliaryWindows();

    Options options;
    Drives drives;
    FileInfo survey;
    int lingerMs;
    QString settingsFile;
    ScannerFactory makeScanner;
    bool savedScanRead = false;

    CommandTable* commands = nullptr;
    ChartView* chart = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* aboutButton = nullptr;
    QComboBox* driveList = nullptr;
    SmallButton* topButton = nullptr;
    SmallButton* backButton = nullptr;
    SmallButton* pathButton = nullptr;
    QLabel* drivesHeading = nullptr;
    QLabel* keyLabel = nullptr;
    QLabel* creditLabel = nullptr;
    QLabel* freeBytesLabel = nullptr;
    QLabel* pathLabel = nullptr;
    std::unique_ptr<KeyBox> emptyLegend;
    std::unique_ptr<KeyBox> legend;
    QPointer<KelmoSplash> splash;

    std::unique_ptr<ScanJob> job;
    int scanningDrive = -1; // the drive the running job scans
    QTimer progressTimer;
    bool closeRequested = false;
};
