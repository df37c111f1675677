#pragma once

#include "CommandTable.h"
#include "Drives.h"
#include "Options.h"
#include "ScanController.h"
#include "TreeSource.h"
#include "ViewState.h"
#include "WindowFrame.h"

#include <QString>

#include <string>

// Where the trees on display come from: the start-up's choice of a drive or
// a saved scan, each scan's start and its end (the tree adopted, the place
// kept, or the reason shown), an earlier scan read to compare with, and a
// folder or file opened.
class SurveyLoader {
public:
    SurveyLoader(ViewState& state, ScanController& scans, const Options& options, const Drives& drives,
                 const WindowFrame& frame);

    // Adds the commands that load a tree: Update, Compare, Open Saved Scan.
    void AddRows(CommandTable& table);
    // Start-up: the drive argument and the first scan, which goes on after
    // this returns.
    void Setup();
    // Starts the scan of source; its end shows the result.
    void SelectDrive(const TreeSource& source);
    // The drive at index of the drive list.
    TreeSource DriveSource(int drive) const { return TreeSource::Drive(drive, drives.MountPoint(drive)); }
    // Stops the running scan (or the splash's wait after one); what is on
    // display stays as it was.
    void CancelScan();
    // Asks for a recording of the drive on display, or another saved scan,
    // to compare the tree on display with, and reads it.
    void ChooseEarlierScan();
    // A folder opens on its drive with the folder on display; any other
    // file, as a saved scan.
    void OpenPath(const std::string& path);

private:
    TreeSource ParseDriveArgument();
    void OnDriveScanned(const TreeSource& source, ScanResult result);
    TreeSource EarlierScanNamed(const std::string& name) const;
    bool OfferedRecordings();
    void ReadEarlierScan(const TreeSource& earlier);
    void OnEarlierScanRead(ScanResult result);
    void EndScan(bool showTree);
    void ShowScanFailure(const TreeSource& source, const ScanResult& result);
    void ReportMatch();
    DirNode ComparedDirectory() const;

    ViewState& state;
    ScanController& scans;
    const Options& options;
    const Drives& drives;
    const WindowFrame& frame;
    bool standardInputRead = false;
    std::string openAt; // the folder below the drive's root to show once scanned
    bool matchToReport = false;
};
