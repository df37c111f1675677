#pragma once

#include "DrawPie.h"
#include "FileInfo.h"
#include "KeyBox.h"
#include "PathText.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class KelmoSplash;
class QComboBox;
class QHelpEvent;
class QLabel;
class QPushButton;
class SmallButton;

// The main window: the pie chart of the directory on display, its legend, the
// drive list and the buttons that move through the tree.
class TKelmoWindow : public QWidget {
public:
    static constexpr int kClientWidth = 634;
    static constexpr int kClientHeight = 453;
    // The drive index of a saved scan (kelmo --import FILE).
    static constexpr int kSavedScan = -2;

    // cmdLine holds the arguments after the program name; drives is the
    // probed drive list; lingerMs is how long the scan splash stays after a
    // scan (tests make it short).
    TKelmoWindow(std::vector<std::string> cmdLine, std::vector<MountEntry> drives, int lingerMs);
    ~TKelmoWindow() override;

    // Start-up: the drive argument, the first scan and the drive list.
    void SetupWindow();
    int ParseDriveArgument();
    bool SelectDrive(int drive);
    void FillDriveList();

    void RebuildView();
    void EvLegendDblClk();
    void CmBack();
    void CmTop();
    void CmPath();
    void CmDirInfo(int commandId);
    void CmUpdate();
    void EvDriveChange(int listIndex);
    // Switches between disk usage and apparent sizes, without a rescan.
    void CmSizeMode();
    void CmAbout();
    void CmExit();
    void EvLButtonDown(const QPoint& point);
    void EvLButtonDblClk(const QPoint& point);
    void EvScanProgress(std::int64_t scannedBytes);

    // True once the window has been asked to close; start-up then neither
    // shows it nor runs the event loop.
    bool CloseRequested() const { return closeRequested; }

    // For tests and screenshots.
    FileInfo& Survey() { return survey; }
    const DrawPie& Chart() const { return chart; }
    KeyBox* Legend() const { return legend ? legend.get() : emptyLegend.get(); }
    const PathText& Path() const { return pathText; }
    QComboBox* DriveList() const { return driveList; }
    QLabel* FreeBytesLabel() const { return freeBytesLabel; }
    QLabel* PathLabel() const { return pathLabel; }
    QLabel* KeyLabel() const { return keyLabel; }
    QPushButton* UpdateButton() const { return updateButton; }
    SmallButton* TopButton() const { return topButton; }
    SmallButton* BackButton() const { return backButton; }
    SmallButton* PathButton() const { return pathButton; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QPushButton* AddButton(const QString& caption, int x, int y, void (TKelmoWindow::*handler)());
    SmallButton* AddSmallButton(int id, const QString& caption, int x, int y, void (TKelmoWindow::*handler)());
    void PostScanProgress(std::int64_t scannedBytes);
    void RunCommand(int commandId);
    bool CommandEnabled(int commandId) const;
    QString DriveText(int drive) const;
    DirNode SelectedChild() const;
    std::int64_t DisplayedBytes() const;
    void TakeScanOptions();
    bool WhileTheWindowLives(const std::function<bool()>& scan);
    bool ReadSavedScan(std::string& error);
    QString SavedScanFileText() const;
    void ShowSizeMode();
    void ShowPath();
    void OpenTextWindow(const QString& caption, int textWidth, const QString& text);
    int SliceUnder(const QPoint& point) const;
    bool SelectSliceAt(const QPoint& point);
    void ShowSliceToolTip(const QHelpEvent& help);
    void PaintChart(QPainter& painter);
    void CloseAuxiliaryWindows();

    std::vector<std::string> cmdLine;
    std::string savedScanFile; // empty unless started on a saved scan
    bool savedScanRead = false;
    DrawPie chart;
    FileInfo survey;
    int lingerMs;

    QPushButton* updateButton = nullptr;
    QComboBox* driveList = nullptr;
    SmallButton* topButton = nullptr;
    SmallButton* backButton = nullptr;
    SmallButton* pathButton = nullptr;
    QLabel* freeBytesLabel = nullptr;
    QLabel* pathLabel = nullptr;
    QLabel* keyLabel = nullptr;

    std::unique_ptr<KeyBox> emptyLegend;
    std::unique_ptr<KeyBox> legend;
    QPointer<KelmoSplash> splash;
    PathText pathText;
    // The chart as last drawn, at the resolution of the device it was drawn
    // for; null when the values or the bounds have changed since.
    QPixmap chartImage;
    bool closeRequested = false;
    std::atomic<bool> progressPending{false};
    std::atomic<std::int64_t> latestScannedBytes{0};
};
