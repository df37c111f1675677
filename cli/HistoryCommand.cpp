#include "HistoryCommand.h"

#include "Drives.h"
#include "EscapedName.h"
#include "HistoryFolder.h"
#include "HumanSize.h"
#include "MomentName.h"

#include <ctime>

namespace {

std::string UtcTime(std::int64_t time)
{
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string SizeText(std::int64_t bytes, HumanSizes human)
{
    if (human == HumanSizes::No || bytes < 0)
        return std::to_string(bytes);
    return HumanSize(static_cast<std::uint64_t>(bytes), human == HumanSizes::Binary ? 1024 : 1000);
}

std::string ChangeText(std::int64_t before, std::int64_t after, HumanSizes human)
{
    if (before < 0 || after < 0)
        return "-";
    return (after >= before ? "+" : "-") + SizeText(after >= before ? after - before : before - after, human);
}

} // namespace

bool DriveHolding(const std::string& path, MountEntry& drive, std::ostream& err)
{
    const Drives drives = Drives::Probe();
    const int index = drives.OfPath(path);
    if (index < 0) {
        err << "kelmo: no drive holds '" << EscapedName(path) << "'\n";
        return false;
    }
    drive = drives.List()[static_cast<std::size_t>(index)];
    return true;
}

int RunHistory(const Options& options, const MountEntry& drive, std::ostream& out, std::ostream& err)
{
    const std::vector<Recording> recordings = HistoryFolder::Of(drive).Recordings();
    if (recordings.empty()) {
        err << "kelmo: no recording of " << EscapedName(drive.mountPoint) << " yet (kelmo --record)\n";
        return 1;
    }
    std::int64_t before = -1;
    for (const Recording& recording : recordings) {
        const std::string used = recording.usedBytes < 0 ? "-" : SizeText(recording.usedBytes, options.human);
        out << UtcTime(recording.time) << '\t' << used << '\t' << ChangeText(before, recording.usedBytes, options.human)
            << '\n';
        before = recording.usedBytes;
    }
    return 0;
}

std::string SavedScanNamed(const std::string& name, const MountEntry& drive, std::int64_t now, std::string& problem)
{
    if (!MomentName::IsMoment(name))
        return name;
    const HistoryFolder folder = HistoryFolder::Of(drive);
    const std::vector<Recording> recordings = folder.Recordings();
    const int chosen = MomentName::Resolve(name, recordings, now, problem);
    if (chosen < 0) {
        problem += " in the history of " + EscapedName(drive.mountPoint);
        return {};
    }
    return folder.Path() + "/" + recordings[static_cast<std::size_t>(chosen)].fileName;
}
