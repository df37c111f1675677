#include "CompareReport.h"
#include "Drives.h"
#include "ExportCommand.h"
#include "FileInfo.h"
#include "FormatBytes.h"
#include "ShellCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace {

using Figures = std::map<std::string, std::int64_t>;

// du's disk usage (or apparent size) of root and of every directory down to
// two levels below it, by path below root ("" for root).
Figures DuFigures(const std::string& root, const std::string& size = "-B1")
{
    Figures figures;
    std::istringstream lines(Output("du " + size + " --max-depth=2 " + Quoted(root)));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        const std::string path = line.substr(tab + 1);
        figures[path == root ? "" : path.substr(root.size() + 1)] = std::stoll(line.substr(0, tab));
    }
    return figures;
}

// How a change between the two moments reads.
std::string ChangeOf(const Figures& before, const Figures& after, const std::string& path)
{
    if (!before.count(path))
        return "new";
    if (!after.count(path))
        return "gone";
    const std::int64_t change = after.at(path) - before.at(path);
    return (change > 0 ? "+" : "") + FormatBytes(change);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::int64_t Number(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stoll(text);
}

// A tree scanned and saved by kelmo --export, then changed: a directory
// grown, one shrunk, one created, one removed, one renamed, and a second
// name of a file added in another directory.
class CompareReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Installed("du"))
            GTEST_SKIP() << "du is not installed";
        tree.File("grow/a", 100000);
        tree.File("shrink/b", 50000);
        tree.File("gone/c", 30000);
        tree.File("gone/sub/x", 1000);
        tree.File("ren/d", 7000);
        tree.File("keep/sub/e", 9000);
        root = Drives::CanonicalPath(tree.Root());
        scan = files.Path("old.json");
        std::ostringstream err;
        ASSERT_EQ(RunExport(ParseOptions({"--export", scan, root}), err), 0) << err.str();
        before = DuFigures(root);
        apparentBefore = DuFigures(root, "-b").at("");

        tree.File("grow/a2", 200000);
        tree.File("shrink/b", 1000);
        std::filesystem::remove_all(tree.Path("gone"));
        std::filesystem::rename(tree.Path("ren"), tree.Path("renamed"));
        tree.File("created/f", 4000);
        tree.HardLink("keep/sub/e", "grow/hl");
        after = DuFigures(root);
        apparentAfter = DuFigures(root, "-b").at("");
    }

    std::vector<std::string> Compare(int depth, SizeMode mode)
    {
        std::ostringstream out, err;
        Options options = ParseOptions({"--report", "--compare", scan, root});
        options.depth = depth > 0 ? depth : -1;
        options.mode = mode;
        EXPECT_EQ(RunCompareReport(options, out, err), 0) << err.str();
        return Lines(out.str());
    }

    TempTree tree, files;
    std::string root, scan;
    Figures before, after;
    std::int64_t apparentBefore = 0, apparentAfter = 0;
};

} // namespace

TEST_F(CompareReportTest, EveryFigureIsWhatDuCountsAtEachMoment)
{
    const std::vector<std::string> lines = Compare(0, SizeMode::DiskUsage);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("Old total : " + FormatBytes(before.at("")) + " (" + root + ", ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[0].find("an earlier scan"), std::string::npos);
    EXPECT_EQ(lines[1], "New total : " + FormatBytes(after.at("")) + " (" + root + ")");
    EXPECT_EQ(lines[2], "Change    : " + ChangeOf(before, after, ""));
    const std::int64_t kept = before.at("") - before.at("gone") - before.at("ren");
    EXPECT_EQ(lines[3],
              "old scan of " + root + ": " + std::to_string(kept * 100 / before.at("")) + " % of it matched " + root);

    std::set<std::string> expected;
    for (const Figures* moment : {&before, &after})
        for (const auto& [path, bytes] : *moment)
            if (!path.empty() && path.find('/') == std::string::npos)
                expected.insert(path + "\t" + ChangeOf(before, after, path) + "\t"
                                + FormatBytes(after.count(path) ? after.at(path) : before.at(path)));
    EXPECT_EQ(std::set<std::string>(lines.begin() + 4, lines.end()), expected);

    // Largest growth first: a new one grew by its size, a gone one shrank by its old size.
    std::int64_t previous = std::numeric_limits<std::int64_t>::max();
    for (auto line = lines.begin() + 4; line != lines.end(); ++line) {
        std::istringstream fields(*line);
        std::string name, change, size;
        std::getline(fields, name, '\t');
        std::getline(fields, change, '\t');
        std::getline(fields, size);
        const std::int64_t growth = change == "new" ? Number(size) : change == "gone" ? -Number(size) : Number(change);
        EXPECT_LE(growth, previous) << *line;
        previous = growth;
    }
}

TEST_F(CompareReportTest, ToADepthEveryDirectoryByPathAfterItsParent)
{
    const std::vector<std::string> lines = Compare(2, SizeMode::DiskUsage);
    ASSERT_GE(lines.size(), 4u);
    std::set<std::string> expected;
    for (const Figures* moment : {&before, &after})
        for (const auto& [path, bytes] : *moment)
            if (!path.empty())
                expected.insert(path + "\t" + ChangeOf(before, after, path));
    EXPECT_EQ(std::set<std::string>(lines.begin() + 4, lines.end()), expected);

    std::set<std::string> seen;
    for (auto line = lines.begin() + 4; line != lines.end(); ++line) {
        const std::string path = line->substr(0, line->find('\t'));
        if (path.find('/') != std::string::npos) {
            EXPECT_TRUE(seen.count(path.substr(0, path.find('/')))) << path << " before its parent";
        }
        seen.insert(path);
    }
}

TEST_F(CompareReportTest, ApparentTotalsAreTheLengthsWritten)
{
    const std::vector<std::string> lines = Compare(0, SizeMode::Apparent);
    ASSERT_GE(lines.size(), 3u);
    // What du -b counts at each moment: the files' lengths and the
    // directories' own sizes; the second name of e counts once.
    EXPECT_EQ(lines[0].rfind("Old total : " + FormatBytes(apparentBefore) + " (", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("New total : " + FormatBytes(apparentAfter) + " (", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "Change    : +" + FormatBytes(apparentAfter - apparentBefore));
}

TEST(CompareReport, ADamagedSavedScanGivesTheReadersMessageAndNothingElse)
{
    TempTree files;
    const std::string damaged = files.Path("damaged.json");
    std::ofstream(damaged) << R"([1,2,{"progname":"ncdu"},[{"name":"/r"},{"name":"f","asize":)";
    std::ostringstream out, err;
    EXPECT_EQ(RunCompareReport(ParseOptions({"--report", "--compare", damaged, files.Root()}), out, err), 1);
    EXPECT_EQ(out.str(), "");
    const std::vector<std::string> message = Lines(err.str());
    ASSERT_EQ(message.size(), 1u) << err.str();
    EXPECT_EQ(message[0].rfind("kelmo: Saved scan is damaged at byte ", 0), 0u) << message[0];
}
