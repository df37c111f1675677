#pragma once

#include "DirNode.h"
#include "ScanResult.h"

#include <QString>

#include <string>

class TKelmoWindow;

// What the main window shows comes from here: the start-up's choice of a
// drive or a saved scan, each scan's start and its end (the tree adopted,
// the place kept, or the reason shown), an earlier scan read to compare
// with, and a folder or file opened. It works on its window's survey and
// controls, as the window's own controller.
class SurveyLoader {
public:
    explicit SurveyLoader(TKelmoWindow& window);

    // Start-up: the drive argument, the first scan (which goes on after this
    // returns) and the drive list.
    void Setup();
    int ParseDriveArgument();
    // Starts the scan of a drive, or of the saved scan; its end shows the result.
    void SelectDrive(int drive);
    void OnScanFinished(ScanResult result);
    // Asks for a saved scan to compare the tree on display with, and reads it.
    void ChooseEarlierScan();
    // A folder opens on its drive with the folder on display; any other
    // file, as a saved scan.
    void OpenPath(const std::string& path);
    // Said once per comparison: how much of the earlier scan matched.
    void ReportMatch();

private:
    void FillDriveList();
    void ListSavedScan();
    void OnDriveScanned(ScanResult result);
    void ReadEarlierScan(const std::string& file);
    void OnEarlierScanRead(ScanResult result);
    void EndScan(bool showTree);
    void ShowScanFailure(const ScanResult& result);
    void GoToOpenAt();
    DirNode ComparedDirectory() const;
    std::string ComparedPath() const;
    QString DriveText(int drive) const;

    TKelmoWindow& window;
    bool savedScanRead = false;
    int scanningDrive = -1;           // the drive the running scan reads
    std::string openAt;               // the folder below the drive's root to show once scanned
    bool readingEarlierScan = false;  // the running scan reads a scan to compare with
    bool matchToReport = false;
};
