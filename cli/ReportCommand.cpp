#include "ReportCommand.h"

#include "ChildOrder.h"
#include "DirectoryReport.h"
#include "Drives.h"
#include "EscapedName.h"
#include "FileInfo.h"
#include "FinishOutput.h"
#include "FormatBytes.h"
#include "HumanSize.h"
#include "ImportFleet.h"
#include "ImportSavedScan.h"
#include "JsonReport.h"
#include "ScanSetup.h"
#include "Scanner.h"

#include <cstring>

const char* const kNotAvailableMessage = "kelmo: Selected Disk was Not Available or is Blank";

ScanResult ScanForReport(const Options& options, std::string& rootPath, std::ostream& err, std::uint64_t* excluded)
{
    const ExcludingSource* excludingSource = nullptr;
    const std::unique_ptr<Scanner> scanner = ScannerFor(options, &excludingSource);
    ScanResult result;
    if (options.importFiles.empty()) {
        const std::string path = PathToScan(options);
        if (!RootScannable(path, err))
            return result;
        SayLinkFollowed(path, err);
        rootPath = Drives::CanonicalPath(path);
        result = scanner->ScanPath(path, EscapedName(rootPath));
        if (excluded && excludingSource)
            *excluded = excludingSource->Excluded();
        if (!result.Scanned())
            err << (result.error.empty() ? kNotAvailableMessage : "kelmo: " + result.error) << '\n';
        return result;
    }
    result = options.importFiles.size() == 1 && !options.fleet ? ImportSavedScan(*scanner, options.importFiles.front())
                                                               : ImportFleet(*scanner, options.importFiles);
    if (!result.Scanned()) {
        err << "kelmo: " << result.error << '\n';
        return result;
    }
    rootPath = result.savedRoot;
    result.tree->SetRootName(EscapedName(rootPath));
    return result;
}

namespace {

unsigned HumanBase(HumanSizes human)
{
    return human == HumanSizes::Binary ? 1024 : 1000;
}

// A sub-directory's size as the report writes it: "1,234,567", or as du -h
// or du --si would.
std::string ReportSize(std::int64_t bytes, HumanSizes human)
{
    return human == HumanSizes::No ? FormatBytes(bytes)
                                   : HumanSize(static_cast<std::uint64_t>(bytes), HumanBase(human));
}

// A size on du's lines: the bytes, or as du -h or du --si would write them.
std::string DuSize(std::int64_t bytes, HumanSizes human)
{
    return human == HumanSizes::No ? std::to_string(bytes)
                                   : HumanSize(static_cast<std::uint64_t>(bytes), HumanBase(human));
}

// du --max-depth's lines: "SIZE<TAB>PATH" for root and every directory
// options.depth or fewer levels below it, each after those below it, in the
// order of the tree (or options.order's). Names are written as they are, as
// du writes them.
void PrintDepthLines(const DirNode& root, std::string path, const Options& options, std::ostream& out)
{
    std::vector<std::size_t> parentLengths; // of path, for each level entered
    const auto enter = [&](DirNode node, std::size_t depth) {
        parentLengths.push_back(path.size());
        if (depth > 0)
            AppendName(path, node.name());
    };
    const auto leave = [&](DirNode node, std::size_t) {
        out << DuSize(node.bytes(), options.human) << '\t' << path << options.lineEnd;
        path.resize(parentLengths.back());
        parentLengths.pop_back();
    };
    VisitToDepth(root, static_cast<std::size_t>(options.depth), options.order, enter, leave);
}

// --largest N: the largest files of the scan, one a line: size, tab, path
// below rootPath.
void PrintLargestFiles(const FileInfo& survey, const std::string& rootPath, const Options& options, std::ostream& out)
{
    for (const LargestFiles::File& file : survey.GetLargestFiles().Sorted(options.mode)) {
        std::string path = rootPath;
        AppendName(path, file.name);
        out << DuSize(options.mode == SizeMode::DiskUsage ? file.diskBytes : file.apparentBytes, options.human) << '\t'
            << EscapedName(path) << '\n';
    }
}

// du's line for a symbolic link given as PATH, which it counts as the link.
void PrintLinkLine(const EntryStat& link, const std::string& path, const Options& options, std::ostream& out)
{
    const std::int64_t bytes = options.mode == SizeMode::DiskUsage ? link.diskBytes : link.apparentBytes;
    out << DuSize(bytes, options.human) << '\t' << path << options.lineEnd;
}

// The root's figures, with --exclude how many entries were left out, and a
// line for each sub-directory.
void PrintReport(const DirNode& root, const Options& options, std::uint64_t excluded, std::ostream& out)
{
    out << BuildDirReport(root);
    if (!options.excludes.empty())
        out << "Excluded       : " << FormatBytes(static_cast<std::int64_t>(excluded)) << '\n';
    for (const DirNode& child : ChildrenInOrder(root, options.order))
        out << EscapedName(child.name()) << '\t' << ReportSize(child.bytes(), options.human) << '\n';
}

} // namespace

void NameUnreadable(const std::string& rootPath, const std::vector<ScanProblem>& problems, std::ostream& err)
{
    for (const ScanProblem& problem : problems) {
        std::string path = rootPath;
        if (!problem.path.empty())
            AppendName(path, problem.path);
        path = EscapedName(path);
        if (problem.error == 0) // marked in a saved scan, which keeps no reason
            err << "kelmo: directory '" << path << "' could not be read when the scan was saved\n";
        else
            err << "kelmo: cannot read directory '" << path << "': " << std::strerror(problem.error) << '\n';
    }
}

int RunReport(const Options& options, std::ostream& out, std::ostream& err)
{
    const bool walks = options.importFiles.empty();
    const bool duLines = options.depth >= 0 && !options.json;
    // du prints nothing for a root its patterns leave out.
    if (duLines && walks && ExcludingSource::ExcludesRoot(options.excludes, DuRootPath(PathToScan(options))))
        return FinishOutput(out, err, 0);
    EntryStat link;
    if (duLines && walks && NamesLink(PathToScan(options), link)) {
        PrintLinkLine(link, DuRootPath(PathToScan(options)), options, out);
        return FinishOutput(out, err, 0);
    }
    std::string rootPath;
    std::uint64_t excluded = 0;
    ScanResult result = ScanForReport(options, rootPath, err, &excluded);
    if (!result.Scanned())
        return 1;
    FileInfo survey;
    survey.SetSizeMode(options.mode);
    survey.Adopt(std::move(result));
    // Lines and messages name what is below the root as du does: below PATH as typed.
    const std::string named = walks ? DuRootPath(PathToScan(options)) : rootPath;
    if (options.largest > 0)
        PrintLargestFiles(survey, named, options, out);
    else if (options.json)
        PrintJsonReport(survey, rootPath, options, excluded, out);
    else if (options.depth >= 0)
        PrintDepthLines(survey.Root(), named, options, out);
    else
        PrintReport(survey.Root(), options, excluded, out);
    const int status = FinishOutput(out, err, 0);
    if (status != 0)
        return status;
    NameUnreadable(named, survey.GetScanProblems(), err);
    return walks && !survey.GetScanProblems().empty() ? 1 : 0;
}
