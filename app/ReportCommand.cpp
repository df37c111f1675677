#include "ReportCommand.h"

#include "FileInfo.h"
#include "FormatBytes.h"


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

int RunReport(const std::string& path, std::ostream& out, std::ostream& err)
{
    FileInfo survey(std::vector<MountEntry>{});
    if (!survey.ScanPath(path, FileInfo::CanonicalPath(path), false)) {
        err << "Selected Disk was Not\nAvailable or is Blank\n";
        return 1;
    }
    const DirNode& root = *survey.Root();
    out << WithNewlines(survey.BuildDirReport(root));
    for (const DirNode* child = root.firstChild.get(); child; child = child->nextSibling.get())
        out << child->name << '\t' << FormatBytes(child->bytes) << '\n';
    out.flush();
    return 0;
}
