#include "ReportCommand.h"

#include "FileInfo.h"
#include "FinishOutput.h"
#include "FormatBytes.h"

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

bool Survey(const ReportOptions& options, FileInfo& survey, std::string& rootPath, std::ostream& err)
{
    if (options.import.empty()) {
        rootPath = FileInfo::CanonicalPath(options.path);
        // The root's name is only shown, so it is named as the report writes it.
        if (survey.ScanPath(options.path, EscapedName(rootPath), false))
            return true;
        err << kNotAvailableMessage << '\n';
        return false;
    }
    std::string error;
    if (!survey.ImportScan(options.import, error)) {
        err << error << '\n';
        return false;
    }
    rootPath = survey.GetSavedRoot();
    survey.SetRootName(EscapedName(rootPath));
    return true;
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

int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err)
{
    FileInfo survey(std::vector<MountEntry>{});
    if (options.threads > 0)
        survey.SetThreads(options.threads);
    survey.SetSizeMode(options.mode);
    std::string rootPath;
    if (!Survey(options, survey, rootPath, err))
        return 1;
    const DirNode root = survey.Root();
    out << WithNewlines(survey.BuildDirReport(root));
    for (DirNode child = root.firstChild(); child; child = child.nextSibling())
        out << EscapedName(child.name()) << '\t' << FormatBytes(child.bytes()) << '\n';
    const int status = FinishOutput(out, err, 0);
    if (status != 0)
        return status;
    NameUnreadable(rootPath, survey.GetScanProblems(), err);
    return options.import.empty() && !survey.GetScanProblems().empty() ? 1 : 0;
}
