#include "DirectoryCommands.h"

#include "BusyCursor.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "FileListing.h"
#include "MessageBoxes.h"
#include "OutsideLinks.h"
#include "SaveTree.h"
#include "TargetCommands.h"

#include <QFile>

namespace {

// What the directory holds in all, beside the files a Files window lists.
QString FilesSummary(const DirNode& dir, std::size_t filesHere)
{
    QString text = QString::fromStdString(ItemsText(dir.items())) + QStringLiteral(" in all; ")
        + QString::fromStdString(FormatBytes(static_cast<std::int64_t>(filesHere)))
        + (filesHere == 1 ? QStringLiteral(" file lies here") : QStringLiteral(" files lie here"));
    if (dir.unreadable())
        text += QStringLiteral("\nThis directory ") + QString::fromStdString(UnreadableText(dir));
    return text;
}

} // namespace

DirectoryCommands::DirectoryCommands(ViewState& shown, const ScanController& running, const WindowFrame& window)
    : state(shown), scans(running), frame(window), desktop(window.Owner())
{
}

// Only what a live scan found below the directory on display can go to the
// trash: never the drive's root, the directory on display or the way up to it.
void DirectoryCommands::AddRows(CommandTable& table)
{
    const auto onTarget = [this] { return Idle() && state.Target(); };
    const auto onLiveDisk = [this] { return Idle() && state.Scanned().IsLiveDisk(); };
    const auto hasTree = [this] { return Idle() && state.Root(); };
    AddTargetRows(table, frame.Owner(),
                  {onTarget, [this] { return TargetPath(); },
                   [this, onLiveDisk] { return onLiveDisk() && state.SelectedChild(); }, [this] { CmMoveToTrash(); }});
    table.Add({Command::Files,
               QStringLiteral("Files..."),
               {Qt::Key_F3},
               MenuGroup::Target,
               [onTarget, onLiveDisk] { return onTarget() && onLiveDisk(); },
               [this] { CmFiles(); }});
    table.Add({Command::LargestFiles,
               QStringLiteral("Largest Files..."),
               {QKeySequence(Qt::CTRL | Qt::Key_L)},
               MenuGroup::Scan,
               hasTree,
               [this] { CmLargestFiles(); }});
    table.Add(
        {Command::SaveScan, QStringLiteral("Save Scan As..."), {QKeySequence::Save}, MenuGroup::Scan, hasTree, [this] {
             CmSaveScan();
         }});
}

std::string DirectoryCommands::TargetPath() const
{
    return state.Cursor().PathOf(state.Target());
}

void DirectoryCommands::CmMoveToTrash()
{
    const DirNode node = state.Target();
    const std::string path = TargetPath();
    const bool linkedOutside = [&path] {
        const BusyCursor busy;
        return HasFilesLinkedOutside(path);
    }();
    if (!desktop.MoveToTrash(path, {node.diskBytes(), node.apparentBytes()}, linkedOutside))
        return;
    const ViewState::Batch batch(state);
    state.RemoveDirectory(node);
    ReadFreeSpace();
}

// Something left the drive.
void DirectoryCommands::ReadFreeSpace()
{
    if (const auto disk = state.Scanned().Disk())
        state.SetFreeBytes(disk->FreeBytes(state.Scanned().Where()));
}

// Their rows and sizes belong to the tree on display: a new tree closes
// them. They write sizes as the window does.
FileListWindow* DirectoryCommands::OpenFileList(const QString& caption, const QString& firstColumn,
                                                std::vector<FileListModel::Row> rows, bool canTrash)
{
    auto* list = new FileListWindow(frame.Owner(), caption, firstColumn, std::move(rows), canTrash,
                                    [this](const FileListModel::Row& file) { FileTrashed(file); });
    list->SetUnits(state.Units());
    QObject::connect(&state, &ViewState::Changed, list, [this, list](ViewState::Changes what) {
        if (what & ViewState::SizeText)
            list->SetUnits(state.Units());
        if (what & ViewState::Tree)
            list->close();
    });
    return list;
}

// The files lying directly in the directory, read now.
void DirectoryCommands::CmFiles()
{
    const std::string path = TargetPath();
    const FileListing listing = [this, &path] {
        const BusyCursor busy;
        FileListing read(path);
        read.Sort(state.Mode());
        return read;
    }();
    if (!listing.Error().empty()) {
        ShowMessageBox(frame.Owner(), DisplayName(listing.Error()), QStringLiteral("Files"), MessageIcon::Stop);
        return;
    }
    FileListWindow* list = OpenFileList(QStringLiteral("Files in ") + DisplayName(path), QStringLiteral("Name"),
                                        FileListModel::RowsOf(listing, path), true);
    list->SetSummary(FilesSummary(state.Target(), listing.Entries().size()));
}

// The largest files of the scan in the size mode shown; after a live scan,
// those no longer on the disk are left out.
void DirectoryCommands::CmLargestFiles()
{
    const bool live = state.Scanned().IsLiveDisk();
    const QString mode = state.Mode() == SizeMode::Apparent ? QStringLiteral("apparent sizes")
                                                            : QStringLiteral("disk usage");
    OpenFileList(
        QStringLiteral("Largest Files (") + mode + QStringLiteral(")"), QStringLiteral("Path"),
        FileListModel::RowsOf(state.Survey().GetLargestFiles().Sorted(state.Mode()), state.Root().name(), live), live);
}

// A file moved to the trash leaves the sizes of its directory and those
// above it; one with other names frees nothing.
void DirectoryCommands::FileTrashed(const FileListModel::Row& file)
{
    const ViewState::Batch batch(state);
    const std::string root = state.Root().name();
    const std::size_t slash = file.path.rfind('/');
    if (!file.linkedElsewhere && slash != std::string::npos && file.path.compare(0, root.size(), root) == 0) {
        const std::string dir = file.path.substr(root.size(), slash > root.size() ? slash - root.size() : 0);
        state.RemoveFile(state.Cursor().Find(dir), file.diskBytes, file.apparentBytes);
    }
    ReadFreeSpace();
}

void DirectoryCommands::CmSaveScan()
{
    const QString file = AskForFile(frame.Owner(), FileDialogKind::Save, QStringLiteral("Save Scan As"));
    if (file.isEmpty())
        return;
    std::string problem;
    if (!SaveTree(*state.Root().owner(), QFile::encodeName(file).toStdString(), problem))
        ShowMessageBox(frame.Owner(), DisplayName(problem), QStringLiteral("Save Scan As"), MessageIcon::Stop);
}
