#include "CompareReport.h"
#include "Drives.h"
#include "ExportCommand.h"
#include "ReportCommand.h"
#include "ScannedSurvey.h"
#include "ShellCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

// Saved scans between Kelmo, ncdu and gdu: whoever writes one of a tree,
// Kelmo reads it back with the report a live scan of the tree gives.

namespace {

// kelmo --report -t1 ARGS...
std::string Report(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--report", "-t1"});
    std::ostringstream out, err;
    const int status = RunReport(ParseOptions(args), out, err);
    return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
}

// The lines after the root's figures in sorted order: gdu writes a
// directory's entries in an order of its own.
// The names of the sub-directories a report lists, sorted.
std::vector<std::string> SubDirectoryNames(const std::string& report)
{
    constexpr std::size_t kFigureLines = 11;
    std::istringstream lines(report);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);)
        if (names.size() < kFigureLines || line.find('\t') != std::string::npos)
            names.push_back(line.substr(0, line.find('\t')));
    names.erase(names.begin(), names.begin() + std::min(kFigureLines, names.size()));
    std::sort(names.begin(), names.end());
    return names;
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

// A name with each byte value but NUL and "/", each file as long as its byte
// is: a reader that stumbles on one name loses it, or what follows.
void BuildEveryByteTree(TempTree& tree)
{
    for (int byte = 1; byte <= 0xff; ++byte)
        if (byte != '/')
            tree.File(std::string("n") + static_cast<char>(byte) + "x", byte);
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
    return RunExport(ParseOptions({"--export", scan, tree}), err) == 0;
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
         return KelmoExport(tree, scan + ".kelmo")
             && Run("ncdu --ignore-config -f " + Quoted(scan + ".kelmo") + " -o " + Quoted(scan));
     },
     false},
    {"gdu -o", "gdu",
     [](const std::string& tree, const std::string& scan) {
         return Run("gdu -n -x -o " + Quoted(scan) + " " + Quoted(tree));
     },
     true},
    // Compressed with zstd: known by its first bytes, whatever the name.
    {"kelmo --export FILE.zst", "",
     [](const std::string& tree, const std::string& scan) {
         return KelmoExport(tree, scan + ".zst") && std::rename((scan + ".zst").c_str(), scan.c_str()) == 0;
     },
     false},
    {"ncdu -o, zstd", "ncdu",
     [](const std::string& tree, const std::string& scan) {
         return Run("(ncdu --ignore-config -x -o- " + Quoted(tree) + " | zstd -q -o " + Quoted(scan) + ")");
     },
     false},
    {"gdu -o, zstd", "gdu",
     [](const std::string& tree, const std::string& scan) {
         return Run("(gdu -n -x -o- " + Quoted(tree) + " | zstd -q -o " + Quoted(scan) + ")");
     },
     true},
};

void ExpectSameReports(const Route& route, void (*build)(TempTree&))
{
    TempTree tree, files;
    build(tree);
    const std::string root = Drives::CanonicalPath(tree.Root());
    const std::string scan = files.Path("scan.json");
    ASSERT_TRUE(route.save(root, scan)) << route.name;
    for (const std::string mode : {"--apparent-size", "--threads=1"}) {
        if (mode != "--apparent-size" && route.apparentOnly)
            continue;
        const std::string live = Report({mode, root});
        const std::string imported = Report({mode, "--import", scan});
        // gdu writes no sizes for directories, which apparent sizes count
        // too: of its scans only the directories can be held to a live scan.
        if (route.apparentOnly)
            EXPECT_EQ(SubDirectoryNames(imported), SubDirectoryNames(live)) << route.name;
        else
            EXPECT_EQ(imported, live) << route.name << ", " << mode;
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
        if (!route.apparentOnly) {
            ExpectSameReports(route, BuildHostileTree);
            ExpectSameReports(route, BuildEveryByteTree);
        }
        ExpectSameReports(route, BuildPlainTree);
    }
    if (!skipped.empty())
        GTEST_SKIP() << "not installed:" << skipped;
}

TEST(SavedScanInterop, GduReadsKelmosExportWithTheSameTotal)
{
    if (!Installed("gdu"))
        GTEST_SKIP() << "gdu is not installed";
    for (void (*build)(TempTree&) : {BuildHostileTree, BuildEveryByteTree}) {
        TempTree tree, files;
        build(tree);
        const std::string root = Drives::CanonicalPath(tree.Root());
        const std::string scan = files.Path("scan.json");
        ASSERT_TRUE(KelmoExport(root, scan));
        FILE* gdu = popen(("gdu -n -s --no-prefix -f " + Quoted(scan) + " 2>/dev/null").c_str(), "r");
        long long gduTotal = -1;
        ASSERT_EQ(fscanf(gdu, "%lld", &gduTotal), 1);
        pclose(gdu);
        ScannedSurvey survey;
        ASSERT_TRUE(survey.ScanPath(root, root));
        EXPECT_EQ(gduTotal, survey.Root().diskBytes());
    }
}

// Each writer's saved scan as the old side of a comparison with the tree it
// was made of: nothing changed, all of it matched, and the scan's time known.
TEST(SavedScanInterop, EveryWritersScanComparesUnchangedWithItsTree)
{
    std::string skipped;
    for (const Route& route : kRoutes) {
        if (*route.tool && !Installed(route.tool)) {
            skipped += std::string(" ") + route.tool;
            continue;
        }
        // gdu writes no sizes for directories: against a live scan, each
        // directory's own size would show as growth.
        if (route.apparentOnly)
            continue;
        TempTree tree, files;
        BuildPlainTree(tree);
        const std::string root = Drives::CanonicalPath(tree.Root());
        const std::string scan = files.Path("scan.json");
        ASSERT_TRUE(route.save(root, scan)) << route.name;
        const SizeMode mode = SizeMode::DiskUsage;
        std::ostringstream out, err;
        Options options = ParseOptions({"--report", "--compare", scan, "--depth=3", "-t1", root});
        options.mode = mode;
        ASSERT_EQ(RunCompareReport(options, out, err), 0) << route.name << ": " << err.str();
        const std::string report = out.str();
        EXPECT_NE(report.find("\nChange    : 0\nold scan of " + root + ": 100 % of it matched " + root + "\n"),
                  std::string::npos)
            << route.name << ":\n"
            << report;
        EXPECT_EQ(report.find("an earlier scan"), std::string::npos) << route.name;
        std::istringstream lines(report);
        int directories = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.find('\t') == std::string::npos)
                continue;
            ++directories;
            EXPECT_EQ(line.substr(line.find('\t')), "\t0") << route.name << ": " << line;
        }
        EXPECT_EQ(directories, 8) << route.name << ":\n" << report;
    }
    if (!skipped.empty())
        GTEST_SKIP() << "not installed:" << skipped;
}
