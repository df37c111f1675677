#include "CompareReport.h"
#include "Drives.h"
#include "ExportCommand.h"
#include "FormatBytes.h"
#include "ReportCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <utility>

namespace {

// A directory's disk and apparent bytes.
using Bytes = std::pair<std::int64_t, std::int64_t>;

Bytes BytesOf(const DirTree& tree, DirTree::Index index)
{
    return {tree.At(index).diskBytes, tree.At(index).apparentBytes};
}

// What kelmo --report --import makes of files: the root's bytes, and each
// top-level directory's by name.
std::map<std::string, Bytes> Imported(const std::vector<std::string>& files)
{
    Options options = ParseOptions({"--report", "--import"});
    options.importFiles = files;
    options.fleet = files.size() > 1;
    std::string rootPath;
    std::ostringstream err;
    const ScanResult result = ScanForReport(options, rootPath, err);
    EXPECT_TRUE(result.Scanned()) << err.str();
    std::map<std::string, Bytes> found;
    if (!result.Scanned())
        return found;
    const DirTree& tree = *result.tree;
    found[""] = BytesOf(tree, tree.Root());
    for (DirTree::Index child = tree.FirstChild(tree.Root()); child != DirTree::kNone; child = tree.NextSibling(child))
        found[std::string(tree.Name(child))] = BytesOf(tree, child);
    return found;
}

// Three machines' saved scans: web1 and web2 scanned the same tree (so
// their files share device and inode numbers, a file with two names
// among them), web1 before it grew and again after, web3 another tree.
class FleetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.File("logs/a", 120000);
        tree.File("spool/b", 30000);
        tree.HardLink("logs/a", "spool/a");
        other.File("data/c", 70000);
        root = Drives::CanonicalPath(tree.Root());
        otherRoot = Drives::CanonicalPath(other.Root());
        web1 = Export(root, "web1", "web1.json");
        tree.File("spool/grown", 400000);
        web1Later = Export(root, "web1", "web1-later.json");
        web2 = Export(root, "web2", "web2.json");
        web3 = Export(otherRoot, "web3", "web3.json");
    }

    // The saved scan of path in name, as made on the machine host.
    std::string Export(const std::string& path, const std::string& host, const std::string& name)
    {
        const std::string file = files.Path(name);
        std::ostringstream err;
        EXPECT_EQ(RunExport(ParseOptions({"--export", file, path}), err), 0) << err.str();
        std::ifstream in(file);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string key = "\"host\":\"";
        const std::size_t start = text.find(key);
        EXPECT_NE(start, std::string::npos) << "the saved scan names no host";
        if (start == std::string::npos)
            return file;
        const std::size_t value = start + key.size();
        std::string named = text;
        named.replace(value, text.find('"', value) - value, host);
        std::ofstream(file, std::ios::trunc) << named;
        return file;
    }

    TempTree tree, other, files;
    std::string root, otherRoot, web1, web1Later, web2, web3;
};

} // namespace

TEST_F(FleetTest, EachScanIsWhatItsOwnReportSaysAndTheRootTheirSum)
{
    const std::map<std::string, Bytes> fleet = Imported({web1, web2, web3, web1});
    const std::map<std::string, std::string> scans{
        {"web1:" + root, web1}, {"web2:" + root, web2}, {"web3:" + otherRoot, web3}, {"web1:" + root + " (2)", web1}};
    ASSERT_EQ(fleet.size(), scans.size() + 1) << "the root and one directory per scan";
    Bytes sum;
    for (const auto& [name, file] : scans) {
        ASSERT_TRUE(fleet.count(name)) << name;
        const Bytes own = Imported({file}).at("");
        EXPECT_EQ(fleet.at(name), own) << name;
        sum.first += own.first;
        sum.second += own.second;
    }
    EXPECT_EQ(fleet.at(""), sum);
    EXPECT_GT(fleet.at("web1:" + root).second, 150000) << "a file with two names counts once in each scan";
}

TEST_F(FleetTest, SetsAreComparedScanByScanByHostAndRootNotByOrder)
{
    // In another order on each side, and web3 only in the newer set.
    const Options options = ParseOptions({"--report", "--import", web2, web1Later, web3, "--compare", web1, web2});
    ASSERT_TRUE(options.fleet);
    std::ostringstream out, err;
    ASSERT_EQ(RunCompareReport(options, out, err), 0) << err.str();
    const std::int64_t grown = Imported({web1Later}).at("").first - Imported({web1}).at("").first;
    ASSERT_GT(grown, 0);
    const std::string lines = out.str();
    EXPECT_NE(lines.find("\nweb1:" + root + "\t+" + FormatBytes(grown) + "\t"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\nweb2:" + root + "\t0\t"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\nweb3:" + otherRoot + "\tnew\t"), std::string::npos) << lines;
}
