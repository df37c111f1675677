#pragma once

#include "CommandTable.h"
#include "DirectoryActions.h"
#include "FileListModel.h"
#include "ScanController.h"
#include "ViewState.h"
#include "WindowFrame.h"

#include <memory>
#include <optional>
#include <string>

class FileListWindow;

// The window's commands on what a scan found: open, copy and trash the
// selected directory (or the directory on display), the files of a
// directory, the drive's largest files, and the scan saved.
class TrashMove;

class DirectoryCommands {
public:
    DirectoryCommands(ViewState& state, const ScanController& scans, const WindowFrame& frame);

    void AddRows(CommandTable& table);
    // The path of what the commands act on: the selected entry, else the
    // directory on display.
    std::string TargetPath() const;

private:
    void CmMoveToTrash();
    void CmFiles();
    void CmLargestFiles();
    void CmSaveScan();
    bool Idle() const { return !scans.Running(); }
    FileListWindow* OpenFileList(const QString& caption, const QString& firstColumn,
                                 std::vector<FileListModel::Row> rows, bool canTrash);
    bool TrashFile(QWidget* owner, const FileListModel::Row& file);
    std::optional<std::string> BelowRoot(const std::string& path) const;
    void FollowSizeChanges(const TrashMove& moved);
    void ReadFreeSpace();

    ViewState& state;
    const ScanController& scans;
    const WindowFrame& frame;
    DirectoryActions desktop;
};
