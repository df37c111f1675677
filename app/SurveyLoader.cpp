#include "SurveyLoader.h"

#include "DisplayName.h"
#include "FileDialogs.h"
#include "FileListWindow.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "TKelmoWindow.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>

#include <algorithm>
#include <filesystem>

namespace {

const char* const kNotAvailable = "Selected Disk was Not\rAvailable or is Blank";

void ShowUsage(QWidget* owner)
{
    ShowMessageBox(owner,
        QStringLiteral("Invalid command-line; Use:\r\n\r\n") + QStringLiteral("    kelmo <path>\r\n\r\n")
            + QStringLiteral("i.e.:    kelmo /home"),
        KelmoSplash::CreditCaption(), MessageIcon::None);
}

// The not-available box, with the reason under its text when there is one.
void ShowNotAvailable(QWidget* owner, const std::string& reason = {})
{
    QString text = QString::fromLatin1(kNotAvailable);
    if (!reason.empty())
        text += QStringLiteral("\r\r") + DisplayName(reason);
    ShowMessageBox(owner, text, QStringLiteral("Kelmo"), MessageIcon::Information);
}

// How the splash names a saved scan being read.
QString SavedScanText(const std::string& file)
{
    return file == "-" ? QStringLiteral("standard input") : DisplayName(file);
}

} // namespace

SurveyLoader::SurveyLoader(TKelmoWindow& window)
    : window(window)
{
}

void SurveyLoader::Setup()
{
    window.ShowSizeMode();
    // kelmo --compare OLD [PATH]: the earlier scan first, then the drive.
    if (window.options.error.empty() && !window.options.compareFile.empty()) {
        FillDriveList();
        ReadEarlierScan(window.options.compareFile);
        return;
    }
    const int drive = ParseDriveArgument();
    FillDriveList();
    window.controls.driveList->setCurrentIndex(window.controls.driveList->findData(drive));
    if (drive == -1)
        return;
    if (drive >= 0 && !window.options.path.empty())
        openAt = window.drives.BelowMountPoint(window.options.path, drive);
    // Update tries the drive again even when this first scan fails.
    window.survey.SetDrive(drive);
    SelectDrive(drive);
}

int SurveyLoader::ParseDriveArgument()
{
    if (!window.options.error.empty()) {
        ShowUsage(&window);
        return -1;
    }
    if (!window.options.importFile.empty())
        return TKelmoWindow::kSavedScan;
    if (!window.options.path.empty() && Drives::CanonicalPath(window.options.path).empty()) {
        ShowUsage(&window);
        return -1;
    }
    // Started from a directory on no drive (/dev/shm, a FUSE mount), Kelmo
    // says so just as for such a path argument.
    const int drive = window.options.path.empty() ? window.drives.Current() : window.drives.OfPath(window.options.path);
    if (drive == -1)
        ShowNotAvailable(&window);
    return drive;
}

QString SurveyLoader::DriveText(int drive) const
{
    if (drive == TKelmoWindow::kSavedScan)
        return DisplayName(window.survey.GetSavedRoot());
    return DisplayName(window.drives.MountPoint(drive));
}

// A running scan is never superseded: the commands that would start
// another are disabled while it runs.
void SurveyLoader::SelectDrive(int drive)
{
    scanningDrive = drive;
    ScanJob::Request request;
    ProgressEstimate expected;
    if (drive == TKelmoWindow::kSavedScan) {
        // Standard input can be read only once.
        if (window.options.importFile != "-" || !savedScanRead)
            request.file = window.options.importFile;
        savedScanRead = true;
    } else {
        request.path = request.rootName = window.drives.MountPoint(drive);
        expected = ProgressEstimate(Drives::UsedBytes(request.path));
    }
    // Closing the splash closes the program, also during the first scan,
    // when no main window is shown yet.
    window.scans->Start(
        std::move(request), drive == TKelmoWindow::kSavedScan ? SavedScanText(window.options.importFile) : DriveText(drive),
        [this] { window.close(); }, expected);
    window.commands->Refresh();
}

void SurveyLoader::OnScanFinished(ScanResult result)
{
    if (readingEarlierScan)
        OnEarlierScanRead(std::move(result));
    else
        OnDriveScanned(std::move(result));
}

// A new scan of the drive on display (Update) keeps the directory on display
// and the selected entry where they still exist; another drive starts at its
// root.
void SurveyLoader::OnDriveScanned(ScanResult result)
{
    const bool scanned = result.Scanned();
    if (scanned) {
        // Their rows and sizes belong to the tree that goes.
        for (FileListWindow* list : window.findChildren<FileListWindow*>(Qt::FindDirectChildrenOnly))
            list->close();
        const bool again = scanningDrive == window.survey.GetDrive() && window.survey.Root();
        const DirNode selected = window.SelectedChild();
        const std::string selectedName = again && selected ? selected.name() : std::string();
        window.survey.SetDrive(scanningDrive);
        if (again)
            window.survey.AdoptKeepingPlace(std::move(result));
        else
            window.survey.Adopt(std::move(result));
        if (window.compared)
            window.compared->CompareWith(ComparedDirectory());
        if (scanningDrive == TKelmoWindow::kSavedScan)
            ListSavedScan();
        GoToOpenAt();
        if (window.legend && !selectedName.empty()) {
            const auto found = std::find_if(window.shownChildren.begin(), window.shownChildren.end(),
                [&](const DirNode& child) { return child.name() == selectedName; });
            if (found != window.shownChildren.end())
                window.legend->SetSelectedIndex(static_cast<int>(found - window.shownChildren.begin()));
        }
    } else {
        openAt.clear();
        ShowScanFailure(result);
    }
    EndScan(scanned);
}

// The splash goes at once when there is no tree to show, so that a message
// box is never behind it; else it lingers with the final total.
void SurveyLoader::EndScan(bool showTree)
{
    window.controls.driveList->setCurrentIndex(window.controls.driveList->findData(window.survey.GetDrive()));
    window.ShowFreeSpace();
    window.ShowSizeMode();
    window.commands->Refresh();
    if (window.closeRequested)
        return;
    window.showNormal();
    if (showTree && window.survey.Root())
        window.scans->EndSplash(window.survey.Root().bytes());
    else
        window.scans->EndSplash();
    ReportMatch();
}

// How much of the earlier scan the tree on display has: in the heading's
// tooltip, and said once in a box when the earlier scan was made of another
// root (another drive, or another machine's).
void SurveyLoader::ReportMatch()
{
    if (!window.compared || !window.survey.Root() || window.closeRequested)
        return;
    const QString matched
        = DisplayName(window.compared->MatchedText(ComparedPath(), window.survey.GetSizeMode()));
    window.controls.keyLabel->setToolTip(matched);
    if (matchToReport && window.compared->OldRootPath() != ComparedPath())
        ShowMessageBox(&window, matched, QStringLiteral("Kelmo"), MessageIcon::Information);
    matchToReport = false;
}

void SurveyLoader::ChooseEarlierScan()
{
    const QString file = AskForFile(&window, FileDialogKind::Open, QStringLiteral("Compare with Saved Scan"));
    if (!file.isEmpty())
        ReadEarlierScan(QFile::encodeName(file).toStdString());
}

void SurveyLoader::ReadEarlierScan(const std::string& file)
{
    readingEarlierScan = true;
    ScanJob::Request request;
    request.file = file;
    window.scans->Start(std::move(request), SavedScanText(file), [this] { window.close(); });
    window.commands->Refresh();
}

// Started with --compare and no tree yet, the drive of PATH (or of the
// earlier scan's root) is scanned next.
void SurveyLoader::OnEarlierScanRead(ScanResult result)
{
    readingEarlierScan = false;
    if (!result.Scanned()) {
        window.scans->EndSplash();
        if (!result.cancelled && !window.closeRequested)
            ShowMessageBox(&window, DisplayName(result.error), QStringLiteral("Kelmo"), MessageIcon::Stop);
        EndScan(false);
        return;
    }
    const std::string oldRoot = result.savedRoot;
    window.compared = std::make_unique<ComparedScan>(std::move(result.tree), oldRoot);
    matchToReport = true;
    if (window.survey.Root()) {
        window.compared->CompareWith(ComparedDirectory());
        window.RebuildView();
        EndScan(false);
    } else {
        window.scans->EndSplash();
        const std::string shown = window.options.path.empty() ? oldRoot : window.options.path;
        const int drive = window.drives.OfPath(shown);
        if (drive < 0) {
            ShowNotAvailable(&window);
            EndScan(false);
            return;
        }
        openAt = window.drives.BelowMountPoint(shown, drive);
        window.survey.SetDrive(drive);
        SelectDrive(drive);
    }
}

std::string SurveyLoader::ComparedPath() const
{
    return window.survey.Cursor().PathOf(ComparedDirectory());
}

// The earlier scan is matched against the directory of the tree on display
// that stands where its root stood, when the drive holds that place; else
// against the root.
DirNode SurveyLoader::ComparedDirectory() const
{
    const int drive = window.survey.GetDrive();
    if (drive >= 0) {
        const std::string below = window.drives.BelowMountPoint(window.compared->OldRootPath(), drive);
        if (const DirNode at = window.survey.Cursor().Find(below))
            return at;
    }
    return window.survey.Root();
}

void SurveyLoader::ShowScanFailure(const ScanResult& result)
{
    // The splash goes first, so that the box is on top and has the focus.
    window.scans->EndSplash();
    if (result.cancelled || window.closeRequested)
        return;
    if (scanningDrive == TKelmoWindow::kSavedScan) {
        const std::string reason = result.error.empty()
            ? "The saved scan came from standard input, which can be read only once."
            : result.error;
        ShowMessageBox(&window, DisplayName(reason), QStringLiteral("Kelmo"), MessageIcon::Stop);
        return;
    }
    ShowNotAvailable(&window, result.error);
}

void SurveyLoader::FillDriveList()
{
    for (int i = 0; i < window.drives.Count(); ++i)
        window.controls.driveList->addItem(DisplayName(window.drives.MountPoint(i)), i);
    window.controls.driveList->model()->sort(0);
}

// The saved scan stands in the list under its root's path once it has been read.
void SurveyLoader::ListSavedScan()
{
    const int listed = window.controls.driveList->findData(TKelmoWindow::kSavedScan);
    if (listed != -1)
        window.controls.driveList->removeItem(listed);
    window.controls.driveList->addItem(
        DriveText(TKelmoWindow::kSavedScan) + QStringLiteral(" (saved)"), TKelmoWindow::kSavedScan);
    window.controls.driveList->model()->sort(0);
}

// The folder asked for becomes the directory on display, once; Top and Back
// go up from there.
void SurveyLoader::GoToOpenAt()
{
    if (!openAt.empty())
        window.survey.Cursor().GoToPath(std::exchange(openAt, {}));
    window.RebuildView();
}

void SurveyLoader::OpenPath(const std::string& path)
{
    if (window.Scanning())
        return;
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        window.options.importFile = path;
        savedScanRead = false;
        SelectDrive(TKelmoWindow::kSavedScan);
        return;
    }
    const int drive = window.drives.OfPath(path);
    if (drive == -1) {
        ShowNotAvailable(&window);
        return;
    }
    openAt = window.drives.BelowMountPoint(path, drive);
    if (drive == window.survey.GetDrive() && window.survey.Root()) {
        GoToOpenAt();
        return;
    }
    SelectDrive(drive);
}
