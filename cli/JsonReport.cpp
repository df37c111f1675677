#include "JsonReport.h"

#include "ChildOrder.h"
#include "JsonEscaped.h"
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
        if (problem.error == 0) {
            text += ",\"error\":null}";
            continue;
        }
        text += ",\"error\":\"";
        AppendJsonEscaped(text, std::strerror(problem.error));
        text += "\"}";
    }
    text += ']';
}

// What the report says of every directory it lists.
void AppendFigures(std::string& text, const DirNode& node)
{
    AppendNumber(text, "disk_bytes", node.diskBytes());
    AppendNumber(text, "apparent_bytes", node.apparentBytes());
    AppendNumber(text, "items", node.items());
    if (node.unreadable())
        text += ",\"read_error\":true";
}

// What it says of the root alone, after its figures.
void AppendRootFields(std::string& text, const FileInfo& survey, const std::string& rootPath, const Options& options,
                      std::uint64_t excluded)
{
    if (survey.GetFreeBytes() >= 0)
        AppendNumber(text, "free_bytes", survey.GetFreeBytes());
    else
        text += ",\"free_bytes\":null";
    if (!options.excludes.empty())
        AppendNumber(text, "excluded", static_cast<std::int64_t>(excluded));
    AppendProblems(text, rootPath, survey.GetScanProblems());
}

} // namespace

void PrintJsonReport(const FileInfo& survey, const std::string& rootPath, const Options& options,
                     std::uint64_t excluded, std::ostream& out)
{
    const std::size_t maxDepth = options.depth < 0 ? 1 : static_cast<std::size_t>(options.depth);
    std::string text;
    bool afterSibling = false;
    const auto enter = [&](DirNode node, std::size_t depth) {
        text += afterSibling ? ",{" : "{";
        if (depth == 0)
            AppendJsonName(text, "path", rootPath);
        else
            AppendJsonName(text, "name", node.name());
        AppendFigures(text, node);
        if (depth == 0)
            AppendRootFields(text, survey, rootPath, options, excluded);
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
