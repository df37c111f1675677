#include "RecordCommand.h"

#include "EscapedName.h"
#include "HistoryFolder.h"
#include "HistoryLock.h"
#include "KeepPolicy.h"
#include "RecordingName.h"
#include "ReportCommand.h"
#include "SaveTree.h"
#include "ScanSetup.h"

namespace {

// Removes what policy no longer keeps; a failure is said, and the rest kept.
void Thin(const HistoryFolder& folder, const KeepPolicy& policy, std::int64_t now, std::ostream& err)
{
    const std::vector<Recording> recordings = folder.Recordings();
    std::vector<std::int64_t> times;
    for (const Recording& recording : recordings)
        times.push_back(recording.time);
    std::string problem;
    for (std::size_t position : policy.ToRemove(times, now))
        if (!folder.Remove(recordings[position], problem))
            err << "kelmo: " << problem << '\n';
}

int Fail(const std::string& problem, std::ostream& err)
{
    err << "kelmo: " << problem << '\n';
    return 1;
}

} // namespace

int RunRecord(const Options& options, const MountEntry& drive, std::int64_t now, std::ostream& err)
{
    KeepPolicy policy;
    std::string problem;
    if (!options.keep.empty() && !KeepPolicy::Parse(options.keep, policy, problem))
        return Fail(problem, err);
    const HistoryFolder folder = HistoryFolder::Of(drive);
    if (!folder.Make(problem))
        return Fail(problem, err);
    const HistoryLock lock(folder.Path());
    if (!lock.Held())
        return Fail("a recording of " + EscapedName(drive.mountPoint) + " is running already", err);

    if (!RootScannable(drive.mountPoint, err))
        return 1;
    ScanResult scan = ScannerFor(options)->ScanPath(drive.mountPoint, drive.mountPoint);
    if (!scan.Scanned()) {
        err << (scan.error.empty() ? kNotAvailableMessage : "kelmo: " + scan.error) << '\n';
        return 1;
    }
    // The recording's own time, which its name gives too, is the one its comparisons name.
    scan.tree->SetScanTime(now);
    const Recording recording{now, RecordingName::For(now), scan.tree->At(scan.tree->Root()).diskBytes};
    if (!SaveTree(*scan.tree, folder.Path() + "/" + recording.fileName, problem))
        return Fail(problem, err);
    if (!folder.Index(recording, problem))
        err << "kelmo: " << problem << '\n'; // the recording stands; --history shows its size as unknown
    Thin(folder, policy, now, err);
    if (!folder.IndexMissing(problem))
        err << "kelmo: " << problem << '\n';
    NameUnreadable(drive.mountPoint, scan.problems, err);
    return 0;
}
