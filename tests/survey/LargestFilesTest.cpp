#include "LargestFiles.h"
#include "Scanner.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Listed(const ScanResult& result, SizeMode mode)
{
    std::vector<std::string> lines;
    for (const LargestFiles::File& file : result.largest.Sorted(mode))
        lines.push_back(std::to_string(mode == SizeMode::DiskUsage ? file.diskBytes : file.apparentBytes) + " "
                        + file.name);
    return lines;
}

ScanResult Scan(const TempTree& tree, int threads, std::size_t kept)
{
    Scanner scanner;
    scanner.SetThreads(threads);
    scanner.SetLargestKept(kept);
    return scanner.ScanPath(tree.Root(), tree.Root());
}

} // namespace

// The largest files whatever the threads: a file with two names once, under
// the name a walk meets first; equal files in walk order; the sparse file
// large in one mode only.
TEST(LargestFiles, KeepsTheLargestInEachModeAsOneThreadWouldListThem)
{
    TempTree tree;
    tree.File("a/b/big", 90000);
    tree.Dir("z");
    tree.HardLink("a/b/big", "z/big-again");
    tree.File("a/f", 50000);
    tree.File("c/e1", 30000);
    tree.File("c/e2", 30000);
    tree.File("c/d/e3", 30000);
    tree.File("top", 20000);
    tree.Sparse("a/sparse", 1 << 24);
    for (int i = 0; i < 50; ++i)
        tree.File("many/small" + std::to_string(i), 100 + i);

    const ScanResult alone = Scan(tree, 1, 6);
    const std::vector<std::string> apparent = Listed(alone, SizeMode::Apparent);
    ASSERT_EQ(apparent.size(), 6u);
    EXPECT_EQ(apparent[0], std::to_string(1 << 24) + " a/sparse");
    EXPECT_EQ(apparent[2], "50000 a/f");
    EXPECT_TRUE(apparent[1] == "90000 a/b/big" || apparent[1] == "90000 z/big-again");
    EXPECT_EQ(apparent[3].substr(0, 6), "30000 ");
    EXPECT_EQ(Listed(alone, SizeMode::DiskUsage)[0].find("a/sparse"), std::string::npos);

    for (int threads : {2, 4}) {
        const ScanResult parallel = Scan(tree, threads, 6);
        EXPECT_EQ(Listed(parallel, SizeMode::Apparent), apparent) << threads << " threads";
        EXPECT_EQ(Listed(parallel, SizeMode::DiskUsage), Listed(alone, SizeMode::DiskUsage)) << threads << " threads";
    }
    const ScanResult all = Scan(tree, 3, 100);
    EXPECT_EQ(Listed(all, SizeMode::Apparent).size(), 57u) << "every file once";
}
