#include "ReportCommand.h"

#include "FileInfo.h"
#include "FormatBytes.h"

#include <cstring>

namespace {

std::string WithNewlines(const std::string& text)
{
    std::string lines;
    lines.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            lines += c;
    return lines;
}

} // namespace

int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err)
{
    FileInfo survey(std::vector<MountEntry>{});
    if (options.threads > 0)
        survey.SetThreads(options.threads);
    survey.SetSizeMode(options.mode);
    if (!survey.ScanPath(options.path, FileInfo::CanonicalPath(options.path), false)) {
        err << "Selected Disk was Not\nAvailable or is Blank\n";
        return 1;
    }
    const DirNode root = survey.Root();
    out << WithNewlines(survey.BuildDirReport(root));
    for (DirNode child = root.firstChild(); child; child = child.nextSibling())
        out << child.name() << '\t' << FormatBytes(child.bytes()) << '\n';
    out.flush();
    for (const ScanProblem& problem : survey.GetScanProblems())
        err << "kelmo: cannot read directory '" << problem.path << "': " << std::strerror(problem.error) << '\n';
    return survey.GetScanProblems().empty() ? 0 : 1;
}
