#include "DirectoryCommands.h"

#include "BusyCursor.h"
#include "DirectoryReport.h"
#include "DisplayName.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "FileListing.h"
#include "LocalNumbers.h"
#include "MessageBoxes.h"
#include "OutsideLinks.h"
#include "SaveTree.h"
#include "TargetCommands.h"
#include "TrashMove.h"

#include <QCoreApplication>
#include <QFile>

namespace {

const char* const kFleetNotSaved = QT_TRANSLATE_NOOP(
    "DirectoryCommands",
    "Several saved scans shown as one cannot be saved as one scan.\n\nEach stays in the file it was read from.");

// What the directory holds in all, beside the files a Files window lists.
QString FilesSummary(const DirNode& dir, std::size_t filesHere)
{
    const QString files = filesHere == 1 ? QCoreApplication::translate("DirectoryCommands", "%1 file lies here")
                                         : QCoreApplication::translate("DirectoryCommands", "%1 files lie here");
    QString text = QCoreApplication::translate("DirectoryCommands", "%1 in all; %2")
                       .arg(LocalItems(dir.items()), files.arg(LocalBytes(static_cast<std::int64_t>(filesHere))));
    if (dir.unreadable())
        text += QCoreApplication::translate("DirectoryCommands", "\nThis directory %1")
                    .arg(QString::fromStdString(UnreadableText(dir)));
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
                   [this, onLiveDisk] {
                       return onLiveDisk() && state.SelectedChild()
                           && !DirectoryActions::IsInTrash(state.Root().name(), *BelowRoot(TargetPath()));
                   },
                   [this] { CmMoveToTrash(); }});
    table.Add({Command::Files,
               QCoreApplication::translate("DirectoryCommands", "Files..."),
               {Qt::Key_F3},
               MenuGroup::Target,
               [onTarget, onLiveDisk] { return onTarget() && onLiveDisk(); },
               [this] { CmFiles(); }});
    table.Add({Command::LargestFiles,
               QCoreApplication::translate("DirectoryCommands", "Largest Files..."),
               {QKeySequence(Qt::CTRL | Qt::Key_L)},
               MenuGroup::Scan,
               hasTree,
               [this] { CmLargestFiles(); }});
    table.Add({Command::SaveScan,
               QCoreApplication::translate("DirectoryCommands", "Save Scan As..."),
               {QKeySequence::Save},
               MenuGroup::Scan,
               hasTree,
               [this] { CmSaveScan(); }});
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
    const std::unique_ptr<TrashMove> moved = desktop.MoveToTrash(
        state.Root().name(), *BelowRoot(path), {node.diskBytes(), node.apparentBytes()}, linkedOutside);
    if (!moved)
        return;
    const ViewState::Batch batch(state);
    const std::optional<std::string> trashed = BelowRoot(moved->TrashedPath());
    if (trashed) {
        const std::size_t slash = trashed->rfind('/');
        state.MoveDirectory(node, trashed->substr(0, slash), trashed->substr(slash + 1));
    } else {
        state.RemoveDirectory(node);
    }
    FollowSizeChanges(*moved);
    ReadFreeSpace();
}

// A path under the drive's root ("" for the root); none for a path outside.
std::optional<std::string> DirectoryCommands::BelowRoot(const std::string& path) const
{
    const std::string root = state.Root().name();
    if (path == root)
        return std::string();
    const std::string prefix = root == "/" ? root : root + "/";
    if (path.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return path.substr(prefix.size());
}

// The trash and the folder the entry left changed in size with the move;
// those the tree holds follow.
void DirectoryCommands::FollowSizeChanges(const TrashMove& moved)
{
    for (const TrashMove::SizeChange& change : moved.Changes())
        if (const auto below = BelowRoot(change.path))
            state.GrowDirectory(*below, change.diskBytes, change.apparentBytes);
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
    auto* list = new FileListWindow(
        frame.Owner(), caption, firstColumn, std::move(rows), canTrash,
        [this](QWidget* owner, const FileListModel::Row& file) { return TrashFile(owner, file); });
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
        ShowMessageBox(frame.Owner(), DisplayName(listing.Error()),
                       QCoreApplication::translate("DirectoryCommands", "Files"), MessageIcon::Stop);
        return;
    }
    FileListWindow* list = OpenFileList(
        QCoreApplication::translate("DirectoryCommands", "Files in %1").arg(DisplayName(path)),
        QCoreApplication::translate("DirectoryCommands", "Name"), FileListModel::RowsOf(listing, path), true);
    list->SetSummary(FilesSummary(state.Target(), listing.Entries().size()));
}

// The largest files of the scan in the size mode shown; after a live scan,
// those no longer on the disk are left out.
void DirectoryCommands::CmLargestFiles()
{
    const bool live = state.Scanned().IsLiveDisk();
    const QString mode = state.Mode() == SizeMode::Apparent
        ? QCoreApplication::translate("DirectoryCommands", "apparent sizes")
        : QCoreApplication::translate("DirectoryCommands", "disk usage");
    OpenFileList(
        QCoreApplication::translate("DirectoryCommands", "Largest Files (%1)").arg(mode),
        QCoreApplication::translate("DirectoryCommands", "Path"),
        FileListModel::RowsOf(state.Survey().GetLargestFiles().Sorted(state.Mode()), state.Root().name(), live), live);
}

// A file moved to the trash leaves the sizes of its directory and those
// above it, for a trash the tree holds if the drive's is; one with other
// names frees nothing.
bool DirectoryCommands::TrashFile(QWidget* owner, const FileListModel::Row& file)
{
    const std::optional<std::string> below = BelowRoot(file.path);
    if (!below)
        return false;
    const std::unique_ptr<TrashMove> moved = DirectoryActions(owner).MoveToTrash(
        state.Root().name(), *below, {file.diskBytes, file.apparentBytes}, file.linkedElsewhere);
    if (!moved)
        return false;
    const ViewState::Batch batch(state);
    if (!file.linkedElsewhere) {
        const std::size_t slash = below->rfind('/');
        state.RemoveFile(state.Cursor().Find(slash == std::string::npos ? std::string() : below->substr(0, slash)),
                         file.diskBytes, file.apparentBytes);
        if (const auto trashed = BelowRoot(moved->TrashedPath()))
            state.GrowDirectory(trashed->substr(0, trashed->rfind('/')), file.diskBytes, file.apparentBytes);
    }
    FollowSizeChanges(*moved);
    ReadFreeSpace();
    return true;
}

void DirectoryCommands::CmSaveScan()
{
    // A fleet's root stands for no directory, and its scans' roots are no
    // names a saved scan's directories may have.
    if (state.Scanned().IsFleet()) {
        ShowMessageBox(frame.Owner(), QCoreApplication::translate("DirectoryCommands", kFleetNotSaved),
                       QCoreApplication::translate("DirectoryCommands", "Save Scan As"), MessageIcon::Information);
        return;
    }
    const QString file = AskForFile(frame.Owner(), FileDialogKind::Save,
                                    QCoreApplication::translate("DirectoryCommands", "Save Scan As"));
    if (file.isEmpty())
        return;
    std::string problem;
    if (!SaveTree(*state.Root().owner(), QFile::encodeName(file).toStdString(), problem))
        ShowMessageBox(frame.Owner(), DisplayName(problem),
                       QCoreApplication::translate("DirectoryCommands", "Save Scan As"), MessageIcon::Stop);
}
