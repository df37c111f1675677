#include "ExportCommand.h"
#include "FileInfo.h"
#include "ReportCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>

// Saved scans between Kelmo, ncdu and gdu: whoever writes one of a tree,
// Kelmo reads it back with the report a live scan of the tree gives.

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool Installed(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

bool Run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1 </dev/null").c_str()) == 0;
}

std::string Report(const ReportOptions& options)
{
    std::ostringstream out, err;
    const int status = RunReport(options, out, err);
    return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
}

// The lines after the root's figures in sorted order: gdu writes a
// directory's entries in an order of its own.
// The names of the sub-directories a report lists, sorted. A scan that gdu
// saved keeps no sizes for directories, which a live scan's apparent sizes
// count, so only the names can agree.
std::string SortedSubDirectories(const std::string& report)
{
    std::istringstream lines(report);
    std::vector<std::string> kept;
    for (std::string line; std::getline(lines, line);)
        kept.push_back(line.substr(0, line.rfind('\t')));
    kept.erase(kept.begin(), kept.begin() + std::min<std::size_t>(10, kept.size()));
    std::sort(kept.begin(), kept.end());
    std::string text;
    for (const std::string& line : kept)
        text += line + "\n";
    return text;
}

// What trips up a writer or reader of saved scans: names that are not
// UTF-8 or hold quotes, backslashes, newlines and tabs; a file with names
// in several directories; a sparse file; a path of more than 4,096 bytes.
void BuildHostileTree(TempTree& tree)
{
    tree.File("bad\xff\xfe/f", 10);
    tree.File("q\"uote/f\"x", 20);
    tree.File("back\\slash/f\\y", 30);
    tree.File("new\nline/f\tz\x01", 40);
    tree.File("a/inner/deep-name", 5000);
    tree.HardLink("a/inner/deep-name", "a/own-name");
    tree.File("b/x/y/z", 7000);
    tree.HardLink("a/inner/deep-name", "b/sibling-name");
    tree.HardLink("b/x/y/z", "z-at-root");
    tree.Sparse("sparse.img", 10LL << 30);
    tree.Symlink("link", "a/own-name");
    std::string chain = "deep/";
    for (int depth = 0; depth < 110; ++depth)
        chain += std::string(40, 'd') + "/";
    tree.File(chain + "leaf", 33);
}

// The same for gdu, which writes names as UTF-8 and paths whole: valid
// names, a path of ordinary length, the names of a hard-linked file in one
// directory (gdu's walk meets them in an order of its own).
void BuildPlainTree(TempTree& tree)
{
    tree.File("q\"uote/f\"x", 20);
    tree.File("back\\slash/f\\y", 30);
    tree.File("new\nline/f\tz", 40);
    tree.File("caf\xc3\xa9/x/y/z", 7000);
    tree.File("links/one", 5000);
    tree.HardLink("links/one", "links/two");
    tree.Sparse("sparse/big.img", 10LL << 30);
    tree.Symlink("link", "links/one");
    tree.File("top", 12);
}

using SaveScan = std::function<bool(const std::string& tree, const std::string& scan)>;

bool KelmoExport(const std::string& tree, const std::string& scan)
{
    std::ostringstream err;
    return RunExport({scan, tree}, err) == 0;
}

struct Route {
    const char* name;
    const char* tool; // that must be installed; "" for none
    SaveScan save;
    bool apparentOnly; // gdu writes no sizes for directories
};

const Route kRoutes[] = {
    {"kelmo --export", "", KelmoExport, false},
    {"ncdu -o", "ncdu",
     [](const std::string& tree, const std::string& scan) {
         return Run("ncdu --ignore-config -x -o " + Quoted(scan) + " " + Quoted(tree));
     },
     false},
    {"kelmo --export, ncdu -f -o", "ncdu",
     [](const std::string& tree, const std::string& scan) {
         return KelmoExport(tree, scan + ".kelmo") && Run("ncdu --ignore-config -f " + Quoted(scan + ".kelmo") + " -o " + Quoted(scan));
     },
     false},
    {"gdu -o", "gdu",
     [](const std::string& tree, const std::string& scan) {
         return Run("gdu -n -x -o " + Quoted(scan) + " " + Quoted(tree));
     },
     true},
};

void ExpectSameReports(const Route& route, void (*build)(TempTree&))
{
    TempTree tree, files;
    build(tree);
    const std::string root = FileInfo::CanonicalPath(tree.Root());
    const std::string scan = files.Path("scan.json");
    ASSERT_TRUE(route.save(root, scan)) << route.name;
    for (SizeMode mode : {SizeMode::Apparent, SizeMode::DiskUsage}) {
        if (mode == SizeMode::DiskUsage && route.apparentOnly)
            continue;
        const std::string live = Report({root, 1, mode});
        const std::string imported = Report({"", 1, mode, scan});
        if (route.apparentOnly)
            EXPECT_EQ(SortedSubDirectories(imported), SortedSubDirectories(live)) << route.name;
        else
            EXPECT_EQ(imported, live) << route.name << (mode == SizeMode::Apparent ? ", apparent sizes" : "");
    }
}

} // namespace

TEST(SavedScanInterop, EveryWriterGivesTheReportOfALiveScan)
{
    std::string skipped;
    for (const Route& route : kRoutes) {
        if (*route.tool && !Installed(route.tool)) {
            skipped += std::string(" ") + route.tool;
            continue;
        }
        if (!route.apparentOnly)
            ExpectSameReports(route, BuildHostileTree);
        ExpectSameReports(route, BuildPlainTree);
    }
    if (!skipped.empty())
        GTEST_SKIP() << "not installed:" << skipped;
}

TEST(SavedScanInterop, GduReadsKelmosExportWithTheSameTotal)
{
    if (!Installed("gdu"))
        GTEST_SKIP() << "gdu is not installed";
    TempTree tree, files;
    BuildHostileTree(tree);
    const std::string root = FileInfo::CanonicalPath(tree.Root());
    const std::string scan = files.Path("scan.json");
    ASSERT_TRUE(KelmoExport(root, scan));
    FILE* gdu = popen(("gdu -n -s --no-prefix -f " + Quoted(scan) + " 2>/dev/null").c_str(), "r");
    long long gduTotal = -1;
    ASSERT_EQ(fscanf(gdu, "%lld", &gduTotal), 1);
    pclose(gdu);
    FileInfo survey(std::vector<MountEntry>{});
    ASSERT_TRUE(survey.ScanPath(root, root, false));
    EXPECT_EQ(gduTotal, survey.Root().diskBytes());
}
