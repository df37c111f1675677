#include "SurveyLoader.h"

#include "ChoiceMenu.h"
#include "DisplayName.h"
#include "FileDialogs.h"
#include "HistoryCommand.h"
#include "HistoryFolder.h"
#include "KelmoSplash.h"
#include "LocalNumbers.h"
#include "MessageBoxes.h"
#include "MomentName.h"
#include "ScanSetup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace {

const char* const kNotAvailable = QT_TRANSLATE_NOOP("SurveyLoader", "Selected Disk was Not\nAvailable or is Blank");
const char* const kOtherScan = QT_TRANSLATE_NOOP("SurveyLoader", "Other Saved Scan...");

QString Translated(const char* text)
{
    return QCoreApplication::translate("SurveyLoader", text);
}

void ShowUsage(QWidget* owner)
{
    ShowMessageBox(owner,
                   QCoreApplication::translate(
                       "SurveyLoader", "Invalid command-line; Use:\n\n    kelmo <path>\n\ni.e.:    kelmo /home"),
                   KelmoSplash::CreditCaption(), MessageIcon::None);
}

// The not-available box, with the reason under its text when there is one.
void ShowNotAvailable(QWidget* owner, const std::string& reason = {})
{
    QString text = Translated(kNotAvailable);
    if (!reason.empty())
        text += QStringLiteral("\n\n") + DisplayName(reason);
    ShowMessageBox(owner, text, QStringLiteral("Kelmo"), MessageIcon::Information);
}

// The folder given at start-up, as it was typed, and why it cannot be
// shown; the window then offers its drive list.
void ShowUnreadablePath(QWidget* owner, const std::string& problem)
{
    QString text = DisplayName(problem);
    text[0] = text[0].toUpper();
    ShowMessageBox(owner, text + QCoreApplication::translate("SurveyLoader", "\n\nPick a drive from the list."),
                   QStringLiteral("Kelmo"), MessageIcon::Stop);
}

// How the splash names what it reads.
QString SplashText(const TreeSource& source)
{
    if (source.Where() == "-" && source.IsSavedScan())
        return QCoreApplication::translate("SurveyLoader", "standard input");
    return DisplayName(source.Where());
}

QString ChosenFile(QWidget* owner, const QString& caption)
{
    return AskForFile(owner, FileDialogKind::Open, caption);
}

// "9 Dec 2026 07:26 UTC: 12,345,678", as the list of recordings names one.
QString RecordingText(const Recording& recording)
{
    QString text = QLocale().toString(QDateTime::fromSecsSinceEpoch(recording.time, Qt::UTC),
                                      QStringLiteral("d MMM yyyy HH:mm 'UTC'"));
    if (recording.usedBytes >= 0)
        text += QStringLiteral(": ") + LocalBytes(recording.usedBytes);
    return text;
}

} // namespace

SurveyLoader::SurveyLoader(ViewState& shown, ScanController& running, const Options& commandLine, const Drives& probed,
                           const WindowFrame& window)
    : state(shown), scans(running), options(commandLine), drives(probed), frame(window)
{
}

void SurveyLoader::AddRows(CommandTable& table)
{
    table.Add({Command::Update,
               QCoreApplication::translate("SurveyLoader", "Update"),
               {Qt::Key_F5},
               MenuGroup::Load,
               [this] { return !scans.Running() && state.Scanned().CanScanAgain(); },
               [this] { SelectDrive(state.Scanned()); }});
    table.Add({Command::Compare,
               QCoreApplication::translate("SurveyLoader", "Compare with Saved Scan..."),
               {QKeySequence(Qt::CTRL | Qt::Key_D)},
               MenuGroup::Load,
               [this] { return !scans.Running() && state.Root(); },
               [this] { ChooseEarlierScan(); }});
    table.Add({Command::OpenSavedScan,
               QCoreApplication::translate("SurveyLoader", "Open Saved Scan..."),
               {QKeySequence::Open},
               MenuGroup::Scan,
               [this] { return !scans.Running(); },
               [this] {
                   const QString file = ChosenFile(frame.Owner(),
                                                   QCoreApplication::translate("SurveyLoader", "Open Saved Scan"));
                   if (!file.isEmpty())
                       OpenPath(QFile::encodeName(file).toStdString());
               }});
}

void SurveyLoader::Setup()
{
    // kelmo --compare OLD [PATH]: the earlier scan first, then the drive
    // (or the saved scans of --import).
    if (options.error.empty() && !options.compareFiles.empty()) {
        const TreeSource earlier = options.fleet ? TreeSource::Fleet(options.compareFiles)
                                                 : EarlierScanNamed(options.compareFiles.front());
        if (earlier) {
            ReadEarlierScan(earlier);
            return;
        }
    }
    const TreeSource source = ParseDriveArgument();
    if (!source)
        return;
    if (source.DriveIndex() >= 0 && !options.path.empty())
        openAt = drives.BelowMountPoint(options.path, source.DriveIndex());
    state.SetScanned(source);
    SelectDrive(source);
}

TreeSource SurveyLoader::ParseDriveArgument()
{
    if (!options.error.empty()) {
        ShowUsage(frame.Owner());
        return {};
    }
    if (options.fleet)
        return TreeSource::Fleet(options.importFiles);
    if (!options.importFiles.empty())
        return TreeSource::SavedScan(options.importFiles.front());
    if (!options.path.empty()) {
        if (const std::string problem = RootProblem(options.path); !problem.empty()) {
            ShowUnreadablePath(frame.Owner(), problem);
            return {};
        }
    }
    // Started from a directory on no drive (/dev/shm, a FUSE mount), Kelmo
    // says so just as for such a path argument.
    const int drive = options.path.empty() ? drives.Current() : drives.OfPath(options.path);
    if (drive == -1) {
        ShowNotAvailable(frame.Owner());
        return {};
    }
    return DriveSource(drive);
}

// A running scan is never superseded: the commands that would start
// another are disabled while it runs. Standard input can be read only once.
void SurveyLoader::SelectDrive(const TreeSource& source)
{
    ScanJob::Request request = source.Request();
    ProgressEstimate expected;
    if (source.CanReadOnlyOnce() && std::exchange(standardInputRead, true)) {
        request.file.clear();
        request.fleet.clear();
    }
    if (source.IsLiveDisk())
        expected = ProgressEstimate(Drives::UsedBytes(source.Where()));
    scans.Start(
        std::move(request), SplashText(source),
        [this, source](ScanResult result) { OnDriveScanned(source, std::move(result)); }, expected);
}

// Nothing on display changes before a scan's result arrives, so there is
// nothing to put back but the folder a cancelled scan was to open.
void SurveyLoader::CancelScan()
{
    openAt.clear();
    scans.Stop();
}

// A new scan of the drive on display (Update) keeps the directory on display
// and the selected entry where they still exist; another drive starts at its
// root.
void SurveyLoader::OnDriveScanned(const TreeSource& source, ScanResult result)
{
    const bool scanned = result.Scanned();
    if (scanned) {
        ViewState::Batch batch(state);
        const bool again = source == state.Scanned() && state.Root();
        state.Adopt(std::move(result), source, again);
        state.MatchComparison(ComparedDirectory());
        // The folder asked for becomes the directory on display, once; Top
        // and Back go up from there.
        if (!openAt.empty())
            state.GoToPath(std::exchange(openAt, {}));
    } else {
        openAt.clear();
        ShowScanFailure(source, result);
    }
    EndScan(scanned);
}

// The splash goes at once when there is no tree to show, so that a message
// box is never behind it; else it lingers with the final total.
void SurveyLoader::EndScan(bool showTree)
{
    if (frame.Closing())
        return;
    frame.Present();
    if (showTree && state.Root())
        scans.EndSplash(state.Root().bytes());
    else
        scans.EndSplash();
    ReportMatch();
}

// Said once per comparison, when the earlier scan was made of another root
// (another drive, or another machine's): how much of it matched. Two
// fleets' roots stand for no path; their scans show new or gone instead.
void SurveyLoader::ReportMatch()
{
    if (!state.Compared() || !state.Root() || frame.Closing())
        return;
    if (matchToReport && !state.Scanned().IsFleet() && state.Compared()->OldRootPath() != state.ComparedPath())
        ShowMessageBox(frame.Owner(), DisplayName(state.MatchText()), QStringLiteral("Kelmo"),
                       MessageIcon::Information);
    matchToReport = false;
}

// A saved scan, or the recording a moment ("@7d") names of the history of
// PATH's drive; none, once the reason is shown, when it names none.
TreeSource SurveyLoader::EarlierScanNamed(const std::string& name) const
{
    const int drive = drives.OfPath(options.path.empty() ? "." : options.path);
    if (!MomentName::IsMoment(name) || drive < 0)
        return TreeSource::SavedScan(name);
    std::string problem;
    const std::string file = SavedScanNamed(name, drives.List()[static_cast<std::size_t>(drive)], std::time(nullptr),
                                            problem);
    if (file.empty()) {
        ShowMessageBox(frame.Owner(), DisplayName(problem), QStringLiteral("Kelmo"), MessageIcon::Information);
        return {};
    }
    return TreeSource::SavedScan(file);
}

// The recordings of the drive on display, newest first, then any other saved scan.
void SurveyLoader::ChooseEarlierScan()
{
    if (OfferedRecordings())
        return;
    const QString file = ChosenFile(frame.Owner(),
                                    QCoreApplication::translate("SurveyLoader", "Compare with Saved Scan"));
    if (file.isEmpty())
        return;
    // A fleet's scans match by their names, which only a fleet gives.
    std::string chosen = QFile::encodeName(file).toStdString();
    ReadEarlierScan(state.Scanned().IsFleet() ? TreeSource::Fleet({std::move(chosen)})
                                              : TreeSource::SavedScan(std::move(chosen)));
}

// Offers the recordings of the drive on display, newest first, above "Other
// Saved Scan..."; true once one is read or the person closed the menu.
bool SurveyLoader::OfferedRecordings()
{
    const int drive = state.Scanned().DriveIndex();
    if (drive < 0)
        return false;
    const HistoryFolder history = HistoryFolder::Of(drives.List()[static_cast<std::size_t>(drive)]);
    std::vector<Recording> recordings = history.Recordings();
    if (recordings.empty())
        return false;
    std::reverse(recordings.begin(), recordings.end());
    QStringList choices;
    for (const Recording& recording : recordings)
        choices << RecordingText(recording);
    const int chosen = AskForChoice(frame.Owner(), choices << QString() << Translated(kOtherScan));
    if (chosen >= 0 && chosen < static_cast<int>(recordings.size()))
        ReadEarlierScan(
            TreeSource::SavedScan(history.Path() + "/" + recordings[static_cast<std::size_t>(chosen)].fileName));
    return chosen != choices.size() - 1;
}

void SurveyLoader::ReadEarlierScan(const TreeSource& earlier)
{
    scans.Start(earlier.Request(), SplashText(earlier),
                [this](ScanResult result) { OnEarlierScanRead(std::move(result)); });
}

// Started with --compare and no tree yet, the saved scans of --import are
// read next, else the drive of PATH (or of the earlier scan's root) is
// scanned.
void SurveyLoader::OnEarlierScanRead(ScanResult result)
{
    if (!result.Scanned()) {
        scans.EndSplash();
        if (!result.cancelled && !frame.Closing())
            ShowMessageBox(frame.Owner(), DisplayName(result.error), QStringLiteral("Kelmo"), MessageIcon::Stop);
        EndScan(false);
        return;
    }
    const std::string oldRoot = result.savedRoot;
    matchToReport = true;
    if (state.Root()) {
        {
            ViewState::Batch batch(state);
            state.SetComparison(std::make_unique<ComparedScan>(std::move(result.tree), oldRoot));
            state.MatchComparison(ComparedDirectory());
        }
        EndScan(false);
        return;
    }
    state.SetComparison(std::make_unique<ComparedScan>(std::move(result.tree), oldRoot));
    scans.EndSplash();
    if (!options.importFiles.empty()) {
        const TreeSource imported = ParseDriveArgument();
        state.SetScanned(imported);
        SelectDrive(imported);
        return;
    }
    const std::string shown = options.path.empty() ? oldRoot : options.path;
    const int drive = drives.OfPath(shown);
    if (drive < 0) {
        ShowNotAvailable(frame.Owner());
        EndScan(false);
        return;
    }
    openAt = drives.BelowMountPoint(shown, drive);
    state.SetScanned(DriveSource(drive));
    SelectDrive(DriveSource(drive));
}

// The earlier scan is matched against the directory of the tree on display
// that stands where its root stood, when the drive holds that place; else
// against the root.
DirNode SurveyLoader::ComparedDirectory() const
{
    const int drive = state.Scanned().DriveIndex();
    if (state.Compared() && drive >= 0) {
        const std::string below = drives.BelowMountPoint(state.Compared()->OldRootPath(), drive);
        if (const DirNode at = state.Cursor().Find(below))
            return at;
    }
    return state.Root();
}

void SurveyLoader::ShowScanFailure(const TreeSource& source, const ScanResult& result)
{
    // The splash goes first, so that the box is on top and has the focus.
    scans.EndSplash();
    if (result.cancelled || frame.Closing())
        return;
    if (source.IsSavedScan()) {
        const QString reason = result.error.empty()
            ? QCoreApplication::translate("SurveyLoader",
                                          "The saved scan came from standard input, which can be read only once.")
            : DisplayName(result.error);
        ShowMessageBox(frame.Owner(), reason, QStringLiteral("Kelmo"), MessageIcon::Stop);
        return;
    }
    ShowNotAvailable(frame.Owner(), result.error);
}

void SurveyLoader::OpenPath(const std::string& path)
{
    if (scans.Running())
        return;
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        SelectDrive(TreeSource::SavedScan(path));
        return;
    }
    const int drive = drives.OfPath(path);
    if (drive == -1) {
        ShowNotAvailable(frame.Owner());
        return;
    }
    openAt = drives.BelowMountPoint(path, drive);
    if (DriveSource(drive) == state.Scanned() && state.Root()) {
        state.GoToPath(std::exchange(openAt, {}));
        return;
    }
    SelectDrive(DriveSource(drive));
}
