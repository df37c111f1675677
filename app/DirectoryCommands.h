#pragma once

#include "DirNode.h"
#include "DirectoryActions.h"
#include "FileListModel.h"

#include <string>

class TKelmoWindow;

// The window's commands on what a scan found: open, copy and trash the
// selected directory (or the directory on display), the files of a
// directory, the drive's largest files, and saved scans written and read.
// Each is a row of the window's command table.
class DirectoryCommands {
public:
    explicit DirectoryCommands(TKelmoWindow& window);

    // Adds the rows to the window's command table.
    void AddRows();
    void CmMoveToTrash();
    void CmFiles();
    void CmLargestFiles();
    void CmSaveScan();
    void CmOpenSavedScan();
    // What the commands act on: the selected entry, else the directory on display.
    DirNode Target() const;
    std::string TargetPath() const;

private:
    bool CanTrashTarget() const;
    void AfterTrash();
    void FileTrashed(const FileListModel::Row& file);

    TKelmoWindow& window;
    DirectoryActions desktop;
};
