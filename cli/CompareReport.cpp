#include "CompareReport.h"

#include "EscapedName.h"
#include "FileInfo.h"
#include "FinishOutput.h"
#include "FormatBytes.h"
#include "ReportCommand.h"
#include "ScanSetup.h"
#include "TreeComparison.h"

#include <sys/stat.h>

#include <vector>

namespace {

// One moment of the tree: a saved scan, or a walk of a directory now.
struct Side {
    FileInfo survey;
    std::string rootPath;
    std::string named; // how messages name the root: as typed, when scanned now
    bool live = false;
};

bool IsDirectory(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// files: saved scans, or one directory to scan now.
bool Load(const std::vector<std::string>& files, const Options& options, Side& side, std::ostream& err)
{
    Options load;
    load.threads = options.threads;
    load.fleet = options.fleet;
    side.live = files.size() == 1 && !options.fleet && IsDirectory(files.front());
    if (side.live)
        load.path = files.front();
    else
        load.importFiles = files;
    ScanResult result = ScanForReport(load, side.rootPath, err);
    if (!result.Scanned())
        return false;
    side.named = side.live ? DuRootPath(files.front()) : side.rootPath;
    side.survey.SetSizeMode(options.mode);
    side.survey.Adopt(std::move(result));
    return true;
}

void Totals(const TreeComparison& comparison, const Side& old, const Side& fresh, SizeMode mode, std::ostream& out)
{
    const TreeComparison::Entry root = comparison.Compare(comparison.NewRoot(), mode);
    out << "Old total : " << FormatBytes(root.oldBytes) << " (" << EscapedName(old.rootPath);
    if (!old.live)
        out << ", " << comparison.OldScanTimeText();
    out << ")\n";
    out << "New total : " << FormatBytes(root.newBytes) << " (" << EscapedName(fresh.rootPath) << ")\n";
    out << "Change    : " << root.ChangeText() << '\n';
    out << comparison.MatchedText(EscapedName(old.rootPath), EscapedName(fresh.rootPath), mode) << '\n';
}

void SubDirectories(const TreeComparison& comparison, SizeMode mode, std::ostream& out)
{
    for (const TreeComparison::Entry& entry : comparison.Children(comparison.NewRoot(), mode)) {
        const std::int64_t shown = entry.status == TreeComparison::Status::Gone ? entry.oldBytes : entry.newBytes;
        out << EscapedName(entry.node.name()) << '\t' << entry.ChangeText() << '\t' << FormatBytes(shown) << '\n';
    }
}

// Depth first, so that a directory's line comes before those below it.
void Paths(const TreeComparison& comparison, SizeMode mode, int depth, std::ostream& out)
{
    struct Waiting {
        TreeComparison::Entry entry;
        std::string path;
        int depth;
    };
    std::vector<Waiting> waiting;
    const auto wait = [&](const TreeComparison::Entry& parent, const std::string& path, int level) {
        const std::vector<TreeComparison::Entry> children = comparison.Children(parent.node, mode);
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            waiting.push_back({*child, path + EscapedName(child->node.name()), level});
    };
    wait(comparison.Compare(comparison.NewRoot(), mode), "", 1);
    while (!waiting.empty()) {
        const Waiting next = std::move(waiting.back());
        waiting.pop_back();
        out << next.path << '\t' << next.entry.ChangeText() << '\n';
        if (next.depth < depth)
            wait(next.entry, next.path + "/", next.depth + 1);
    }
}

} // namespace

int RunCompareReport(const Options& options, std::ostream& out, std::ostream& err)
{
    Side old, fresh;
    const std::vector<std::string> newSide = options.importFiles.empty() ? std::vector<std::string>{PathToScan(options)}
                                                                         : options.importFiles;
    if (!Load(options.compareFiles, options, old, err) || !Load(newSide, options, fresh, err))
        return 1;
    const TreeComparison comparison(old.survey.Root(), fresh.survey.Root());
    Totals(comparison, old, fresh, options.mode, out);
    if (options.depth >= 0)
        Paths(comparison, options.mode, options.depth, out);
    else
        SubDirectories(comparison, options.mode, out);
    const int status = FinishOutput(out, err, 0);
    if (status != 0)
        return status;
    NameUnreadable(old.named, old.survey.GetScanProblems(), err);
    NameUnreadable(fresh.named, fresh.survey.GetScanProblems(), err);
    const bool liveProblems = (old.live && !old.survey.GetScanProblems().empty())
        || (fresh.live && !fresh.survey.GetScanProblems().empty());
    return liveProblems ? 1 : 0;
}
