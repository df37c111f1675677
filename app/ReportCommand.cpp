#include "ReportCommand.h"

#include "DirectoryReport.h"
#include "Drives.h"
#include "FileInfo.h"
#include "FinishOutput.h"
#include "FormatBytes.h"
#include "Scanner.h"

#include <cstring>

const char* const kNotAvailableMessage = "Selected Disk was Not\nAvailable or is Blank";

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

ScanResult ScanForReport(const Options& options, std::string& rootPath, std::ostream& err)
{
    Scanner scanner;
    if (options.threads > 0)
        scanner.SetThreads(options.threads);
    if (options.largest > 0)
        scanner.SetLargestKept(static_cast<std::size_t>(options.largest));
    ScanResult result;
    if (options.importFile.empty()) {
        const std::string path = options.path.empty() ? "." : options.path;
        rootPath = Drives::CanonicalPath(path);
        result = scanner.ScanPath(path, EscapedName(rootPath));
        if (!result.Scanned())
            err << kNotAvailableMessage << '\n';
        return result;
    }
    result = scanner.ImportScan(options.importFile);
    if (!result.Scanned()) {
        err << result.error << '\n';
        return result;
    }
    rootPath = result.savedRoot;
    result.tree->SetRootName(EscapedName(rootPath));
    return result;
}

// Every name gets a line of its own: control bytes are written as \xhh
// and a backslash as \\, so that a newline or a tab in a name cannot pass
// for the end of a line or of a field.
std::string EscapedName(const std::string& name)
{
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            const char* const digits = "0123456789abcdef";
            text += {'\\', 'x', digits[byte >> 4], digits[byte & 0xf]};
        } else if (c == '\\') {
            text += "\\\\";
        } else {
            text += c;
        }
    }
    return text;
}

void NameUnreadable(const std::string& rootPath, const std::vector<ScanProblem>& problems, std::ostream& err)
{
    for (const ScanProblem& problem : problems) {
        const std::string path = EscapedName(problem.path.empty() ? rootPath : rootPath + "/" + problem.path);
        if (problem.error == 0) // marked in a saved scan, which keeps no reason
            err << "kelmo: directory '" << path << "' could not be read when the scan was saved\n";
        else
            err << "kelmo: cannot read directory '" << path << "': " << std::strerror(problem.error) << '\n';
    }
}

int RunReport(const Options& options, std::ostream& out, std::ostream& err)
{
    std::string rootPath;
    ScanResult result = ScanForReport(options, rootPath, err);
    if (!result.Scanned())
        return 1;
    FileInfo survey;
    survey.SetSizeMode(options.mode);
    survey.Adopt(std::move(result));
    const DirNode root = survey.Root();
    if (options.largest > 0) {
        for (const LargestFiles::File& file : survey.GetLargestFiles().Sorted(options.mode))
            out << (options.mode == SizeMode::DiskUsage ? file.diskBytes : file.apparentBytes) << '\t'
                << EscapedName(LargestFiles::FullPath(rootPath, file)) << '\n';
    } else {
        out << WithNewlines(BuildDirReport(root));
        for (DirNode child = root.firstChild(); child; child = child.nextSibling())
            out << EscapedName(child.name()) << '\t' << FormatBytes(child.bytes()) << '\n';
    }
    const int status = FinishOutput(out, err, 0);
    if (status != 0)
        return status;
    NameUnreadable(rootPath, survey.GetScanProblems(), err);
    return options.importFile.empty() && !survey.GetScanProblems().empty() ? 1 : 0;
}
