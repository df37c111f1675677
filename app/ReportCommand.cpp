#include "ReportCommand.h"

#include "FileInfo.h"
#include "FinishOutput.h"
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

// Every name gets a line of its own: control bytes are written as \xhh
// (two lower-case hex digits) and a backslash as \\, so that a newline or a
// tab in a name cannot pass for the end of a line or of a field.
std::string Escaped(const std::string& name)
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

} // namespace

int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err)
{
    FileInfo survey(std::vector<MountEntry>{});
    if (options.threads > 0)
        survey.SetThreads(options.threads);
    survey.SetSizeMode(options.mode);
    const std::string rootPath = FileInfo::CanonicalPath(options.path);
    // The root's name is only shown, so it is named as the report writes it.
    if (!survey.ScanPath(options.path, Escaped(rootPath), false)) {
        err << "Selected Disk was Not\nAvailable or is Blank\n";
        return 1;
    }
    const DirNode root = survey.Root();
    out << WithNewlines(survey.BuildDirReport(root));
    for (DirNode child = root.firstChild(); child; child = child.nextSibling())
        out << Escaped(child.name()) << '\t' << FormatBytes(child.bytes()) << '\n';
    const int status = FinishOutput(out, err, 0);
    if (status != 0)
        return status;
    for (const ScanProblem& problem : survey.GetScanProblems()) {
        const std::string path = problem.path.empty() ? rootPath : rootPath + "/" + problem.path;
        err << "kelmo: cannot read directory '" << Escaped(path) << "': " << std::strerror(problem.error) << '\n';
    }
    return survey.GetScanProblems().empty() ? 0 : 1;
}
