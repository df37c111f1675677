#include "DirectoryCommands.h"

#include "BusyCursor.h"
#include "DisplayName.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "FileListing.h"
#include "MessageBoxes.h"
#include "OutsideLinks.h"
#include "PosixDirectorySource.h"
#include "SaveTree.h"
#include "TKelmoWindow.h"

#include <QFile>

DirectoryCommands::DirectoryCommands(TKelmoWindow& window)
    : window(window)
    , desktop(&window)
{
}

// The commands on the selected directory, or the directory on display.
void DirectoryCommands::AddRows()
{
    const auto onTarget = [this] { return !window.Scanning() && Target(); };
    window.commands->Add({ Command::OpenInFileManager, QStringLiteral("Open in File Manager"),
        { QKeySequence(Qt::CTRL | Qt::Key_E) }, onTarget, [this] { desktop.OpenInFileManager(TargetPath()); } });
    window.commands->Add({ Command::CopyPath, QStringLiteral("Copy Path"), { QKeySequence::Copy }, onTarget,
        [this] { desktop.CopyPath(TargetPath()); } });
    window.commands->Add({ Command::MoveToTrash, QStringLiteral("Move to Trash..."), { QKeySequence::Delete },
        [this] { return CanTrashTarget(); }, [this] { CmMoveToTrash(); } });
    window.commands->Add({ Command::Files, QStringLiteral("Files..."), { Qt::Key_F3 },
        [this] { return !window.Scanning() && window.survey.GetDrive() >= 0 && Target(); }, [this] { CmFiles(); } });
    window.commands->Add(
        { Command::LargestFiles, QStringLiteral("Largest Files..."), { QKeySequence(Qt::CTRL | Qt::Key_L) },
            [this] { return !window.Scanning() && window.survey.Root(); }, [this] { CmLargestFiles(); } });
    window.commands->Add({ Command::SaveScan, QStringLiteral("Save Scan As..."), { QKeySequence::Save },
        [this] { return !window.Scanning() && window.survey.Root(); }, [this] { CmSaveScan(); } });
    window.commands->Add({ Command::OpenSavedScan, QStringLiteral("Open Saved Scan..."), { QKeySequence::Open },
        [this] { return !window.Scanning(); }, [this] { CmOpenSavedScan(); } });
}

DirNode DirectoryCommands::Target() const
{
    const DirNode selected = window.SelectedChild();
    return selected ? selected : window.survey.Cursor().GetCurrentDir();
}

std::string DirectoryCommands::TargetPath() const
{
    return window.survey.Cursor().PathOf(Target());
}

// Only what a live scan found below the directory on display can go: never
// the drive's root, the directory on display or the way up to it.
bool DirectoryCommands::CanTrashTarget() const
{
    return !window.Scanning() && window.survey.GetDrive() >= 0 && window.SelectedChild();
}

void DirectoryCommands::CmMoveToTrash()
{
    const DirNode node = Target();
    const std::string path = TargetPath();
    const bool linkedOutside = [&path] {
        const BusyCursor busy;
        return HasFilesLinkedOutside(path);
    }();
    if (!desktop.MoveToTrash(path, { node.diskBytes(), node.apparentBytes() }, linkedOutside))
        return;
    window.survey.RemoveDirectory(node);
    AfterTrash();
}

// The view and the free space after something left the drive. Nothing stays
// selected, so that a second Delete cannot hit a neighbour.
void DirectoryCommands::AfterTrash()
{
    window.survey.SetFreeBytes(PosixDirectorySource().FreeBytes(window.drives.MountPoint(window.survey.GetDrive())));
    window.RebuildView();
    window.ShowFreeSpace();
}

// The files lying directly in the directory, read now; a file moved to the
// trash from there leaves the tree's sizes (one with other names frees
// nothing).
void DirectoryCommands::CmFiles()
{
    const std::string path = TargetPath();
    const FileListing listing = [this, &path] {
        const BusyCursor busy;
        FileListing read(path);
        read.Sort(window.survey.GetSizeMode());
        return read;
    }();
    if (!listing.Error().empty()) {
        ShowMessageBox(&window, DisplayName(listing.Error()), QStringLiteral("Files"), MessageIcon::Stop);
        return;
    }
    new FileListWindow(&window, QStringLiteral("Files in ") + DisplayName(path), QStringLiteral("Name"),
        FileListModel::RowsOf(listing, path), true, [this](const FileListModel::Row& file) { FileTrashed(file); });
}

// The largest files of the scan in the size mode shown; after a live scan,
// those no longer on the disk are left out.
void DirectoryCommands::CmLargestFiles()
{
    const bool live = window.survey.GetDrive() >= 0;
    const std::vector<FileListModel::Row> rows = FileListModel::RowsOf(
        window.survey.GetLargestFiles().Sorted(window.survey.GetSizeMode()), window.survey.Root().name(), live);
    const QString mode = window.survey.GetSizeMode() == SizeMode::Apparent ? QStringLiteral("apparent sizes")
                                                                           : QStringLiteral("disk usage");
    new FileListWindow(&window, QStringLiteral("Largest Files (") + mode + QStringLiteral(")"), QStringLiteral("Path"),
        rows, live, [this](const FileListModel::Row& file) { FileTrashed(file); });
}

// A file moved to the trash leaves the sizes of its directory and those
// above it; one with other names frees nothing.
void DirectoryCommands::FileTrashed(const FileListModel::Row& file)
{
    const std::string root = window.survey.Root().name();
    const std::size_t slash = file.path.rfind('/');
    if (!file.linkedElsewhere && slash != std::string::npos && file.path.compare(0, root.size(), root) == 0) {
        const std::string dir = file.path.substr(root.size(), slash > root.size() ? slash - root.size() : 0);
        window.survey.RemoveFile(window.survey.Cursor().Find(dir), file.diskBytes, file.apparentBytes);
    }
    AfterTrash();
}

void DirectoryCommands::CmSaveScan()
{
    const QString file = AskForFile(&window, FileDialogKind::Save, QStringLiteral("Save Scan As"));
    if (file.isEmpty())
        return;
    std::string problem;
    if (!SaveTree(*window.survey.Root().owner(), window.survey.GetScanProblems(), QFile::encodeName(file).toStdString(),
            problem))
        ShowMessageBox(&window, DisplayName(problem), QStringLiteral("Save Scan As"), MessageIcon::Stop);
}

void DirectoryCommands::CmOpenSavedScan()
{
    const QString file = AskForFile(&window, FileDialogKind::Open, QStringLiteral("Open Saved Scan"));
    if (!file.isEmpty())
        window.OpenPath(QFile::encodeName(file).toStdString());
}
