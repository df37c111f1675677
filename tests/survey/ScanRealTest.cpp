#include "FileInfo.h"
#include "TempTree.h"

#include <gtest/gtest.h>

namespace {

const DirNode* Find(const DirNode& node, const std::string& name)
{
    for (const DirNode* child = node.firstChild.get(); child; child = child->nextSibling.get())
        if (child->name == name)
            return child;
    return nullptr;
}

int CountChildren(const DirNode& node)
{
    int n = 0;
    for (const DirNode* child = node.firstChild.get(); child; child = child->nextSibling.get())
        ++n;
    return n;
}

bool Scan(FileInfo& survey, const TempTree& tree)
{
    return survey.ScanPath(tree.Root(), "ROOT", true);
}

} // namespace

TEST(ScanRealTree, CountsEveryFileOnceWithoutFollowingLinks)
{
    TempTree tree;
    tree.File("a.txt", 100);
    tree.File(".hidden", 7);
    tree.File(".git/objects/pack", 1000);
    tree.Dir("empty");
    tree.File("sub/x", 300);
    tree.Symlink("sub/link", "x");
    tree.Symlink("sub/loop", "loop");
    tree.Symlink("sub/todir", "../sub");
    tree.File("hard1", 50);
    tree.HardLink("hard1", "sub/hard2");
    tree.Sparse("sparse.img", 10LL << 30);
    tree.File("with,comma/f", 11);
    tree.File("new\nline/f", 13);
    tree.File("\xff\xfe" "bad/f", 17);

    FileInfo survey(std::vector<MountEntry>{});
    ASSERT_TRUE(Scan(survey, tree));
    const DirNode& root = *survey.Root();
    EXPECT_EQ(root.name, "ROOT");
    EXPECT_EQ(root.bytes, 100 + 7 + 1000 + 300 + 1 + 4 + 6 + 50 + (10LL << 30) + 11 + 13 + 17);
    EXPECT_EQ(CountChildren(root), 6);
    ASSERT_TRUE(Find(root, ".git"));
    EXPECT_EQ(Find(root, ".git")->bytes, 1000);
    EXPECT_EQ(Find(*Find(root, ".git"), "objects")->bytes, 1000);
    EXPECT_EQ(Find(root, "empty")->bytes, 0);
    EXPECT_EQ(Find(root, "empty")->firstChild, nullptr);
    const DirNode* sub = Find(root, "sub");
    ASSERT_TRUE(sub);
    EXPECT_EQ(CountChildren(*sub), 0) << "a symlink to a directory is not followed";
    EXPECT_TRUE(sub->bytes == 300 + 1 + 4 + 6 || sub->bytes == 300 + 1 + 4 + 6 + 50)
        << "the hard link pair counts once, in whichever directory came first";
    EXPECT_EQ(Find(root, "with,comma")->bytes, 11);
    EXPECT_EQ(Find(root, "new\nline")->bytes, 13);
    EXPECT_EQ(Find(root, "\xff\xfe" "bad")->bytes, 17);
    EXPECT_EQ(survey.GetScannedBytes(), root.bytes);
    EXPECT_GT(survey.GetFreeBytes(), 0);
}

TEST(ScanRealTree, PathsFarDeeperThanPathMax)
{
    TempTree tree;
    const std::string level(40, 'd');
    std::string chain;
    for (int depth = 0; depth < 160; ++depth)
        chain += level + "/";
    // Two long branches below the deep point: whichever the search delivers
    // second is reached after returning to a directory whose descriptor was
    // given up on the way down.
    std::string left = chain + "left/", right = chain + "right/";
    for (int depth = 0; depth < 20; ++depth) {
        left += level + "/";
        right += level + "/";
    }
    ASSERT_GT(left.size(), 6000u);
    tree.File(left + "f", 19);
    tree.File(right + "g", 23);
    tree.File(chain + "h", 29);
    tree.File("top", 1);

    FileInfo survey(std::vector<MountEntry>{});
    ASSERT_TRUE(Scan(survey, tree));
    const DirNode* node = survey.Root();
    EXPECT_EQ(node->bytes, 19 + 23 + 29 + 1);
    for (int depth = 0; depth < 160; ++depth) {
        node = Find(*node, level);
        ASSERT_TRUE(node) << depth;
        EXPECT_EQ(node->bytes, 19 + 23 + 29);
    }
    EXPECT_EQ(Find(*node, "left")->bytes, 19);
    EXPECT_EQ(Find(*node, "right")->bytes, 23);
}

TEST(ScanRealTree, RootsThatAreAvailableOrBlank)
{
    FileInfo survey(std::vector<MountEntry>{});
    {
        TempTree oneFile;
        oneFile.File("only", 4242);
        ASSERT_TRUE(Scan(survey, oneFile));
        EXPECT_EQ(survey.Root()->bytes, 4242);
        EXPECT_EQ(survey.Root()->firstChild, nullptr);
    }
    const DirNode* kept = survey.Root();
    {
        TempTree blank;
        EXPECT_FALSE(Scan(survey, blank));
        EXPECT_EQ(survey.Root(), kept);
        EXPECT_FALSE(survey.ScanPath(blank.Path("missing"), "x", true));
        blank.File("plain", 1);
        EXPECT_FALSE(survey.ScanPath(blank.Path("plain"), "x", true)) << "a file is no directory";
    }
    {
        TempTree dirsOnly;
        dirsOnly.Dir("alice");
        dirsOnly.File("bob/notes", 5);
        ASSERT_TRUE(Scan(survey, dirsOnly));
        EXPECT_EQ(survey.Root()->bytes, 5);
    }
}
