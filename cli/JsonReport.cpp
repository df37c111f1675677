#include "JsonReport.h"

#include "ChildOrder.h"
#include "JsonName.h"
#include "ScanSetup.h"

#include <cstring>

namespace {

// Written out in pieces of about this size, so that a whole tree never
// waits in memory as text.
constexpr std::size_t kPieceBytes = 1 << 16;

void AppendNumber(std::string& text, const char* key, std::int64_t value)
{
    text += ",\"";
    text += key;
    text += "\":" + std::to_string(value);
}

void AppendProblems(std::string& text, const std::string& rootPath, const std::vector<ScanProblem>& problems)
{
    text += ",\"problems\":[";
    for (const ScanProblem& problem : problems) {
        std::string path = rootPath;
        if (!problem.path.empty())
            AppendName(path, problem.path);
        text += &problem == problems.data() ? "{" : ",{";
        AppendJsonName(text, "path", path);
        // A saved scan marks what could not be read, but keeps no reason.
        text += problem.error == 0 ? std::string(",\"error\":null}")
                                   : ",\"error\":\"" + std::string(std::strerror(problem.error)) + "\"}";
    }
    text += ']';
}

} // namespace

void PrintJsonReport(const FileInfo& survey, const std::string& rootPath, const Options& options,
                     std::uint64_t excluded, std::ostream& out)
{
    const std::size_t maxDepth = options.depth < 0 ? 1 : static_cast<std::size_t>(options.depth);
    std::string text;
    bool afterSibling = false;
    const auto enter = [&](DirNode node, std::size_t depth) {
        if (depth == 0) {
            text += '{';
            AppendJsonName(text, "path", rootPath);
        } else {
            text += afterSibling ? ",{" : "{";
            AppendJsonName(text, "name", node.name());
        }
        AppendNumber(text, "disk_bytes", node.diskBytes());
        AppendNumber(text, "apparent_bytes", node.apparentBytes());
        if (depth == 0) {
            if (survey.GetFreeBytes() >= 0)
                AppendNumber(text, "free_bytes", survey.GetFreeBytes());
            else
                text += ",\"free_bytes\":null";
            if (!options.excludes.empty())
                AppendNumber(text, "excluded", static_cast<std::int64_t>(excluded));
            AppendProblems(text, rootPath, survey.GetScanProblems());
        }
        if (depth < maxDepth)
            text += ",\"children\":[";
        afterSibling = false;
    };
    const auto leave = [&](DirNode, std::size_t depth) {
        text += depth < maxDepth ? "]}" : "}";
        afterSibling = true;
        if (text.size() >= kPieceBytes) {
            out << text;
            text.clear();
        }
    };
    VisitToDepth(survey.Root(), maxDepth, options.order, enter, leave);
    out << text << '\n';
}
