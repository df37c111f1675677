#include "OutsideLinks.h"
#include "ScannedSurvey.h"
#include "TempTree.h"
#include "TreeDump.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void MakeTree(TempTree& tree)
{
    tree.File("top", 1000);
    tree.File("a/f", 5000);
    tree.File("a/b/g", 9000);
    tree.Sparse("a/b/c/s", 1 << 20);
    tree.File("a/b/c/h", 12345);
    tree.File("d/i", 3000);
}

} // namespace

// A directory taken out of the tree leaves the tree a new scan of the
// drive without it would give, in both size modes, down to every ancestor.
TEST(RemoveSubtree, TreeMatchesAFreshScanWithoutTheDirectory)
{
    TempTree tree;
    MakeTree(tree);
    ScannedSurvey edited;
    ASSERT_TRUE(edited.ScanPath(tree.Root(), "ROOT"));
    const DirNode gone = edited.Cursor().Find("a/b");
    ASSERT_TRUE(gone);
    edited.Cursor().SetCurrentDir(edited.Cursor().Find("a"));
    edited.RemoveDirectory(gone);

    std::filesystem::remove_all(tree.Path("a/b"));
    ScannedSurvey fresh;
    ASSERT_TRUE(fresh.ScanPath(tree.Root(), "ROOT"));
    EXPECT_EQ(DumpWithSizes(fresh.Root()), DumpWithSizes(edited.Root()));
    EXPECT_FALSE(edited.Cursor().Find("a/b"));
    EXPECT_EQ("ROOT/a", edited.Cursor().PathOf(edited.Cursor().GetCurrentDir()));
}

// A directory moved into a trash the tree lacks takes its sizes there: the
// drive's total stays, the trash's folders appear, and the directory on
// display, whose place in the tree moved, stays on display.
TEST(RemoveSubtree, AMovedDirectoryKeepsItsSizesInItsNewPlace)
{
    TempTree tree;
    MakeTree(tree);
    ScannedSurvey edited;
    ASSERT_TRUE(edited.ScanPath(tree.Root(), "ROOT"));
    const DirNode root = edited.Root();
    const std::int64_t total = root.diskBytes();
    const DirNode moving = edited.Cursor().Find("a/b");
    const std::int64_t movingBytes = moving.apparentBytes();
    const std::int64_t aBytes = edited.Cursor().Find("a").apparentBytes();
    edited.Cursor().SetCurrentDir(edited.Cursor().Find("a"));
    edited.MoveDirectory(moving, ".Trash-0/files", "b.2");

    EXPECT_EQ(root.diskBytes(), total);
    EXPECT_FALSE(edited.Cursor().Find("a/b"));
    EXPECT_EQ(edited.Cursor().Find("a").apparentBytes(), aBytes - movingBytes);
    EXPECT_EQ(edited.Cursor().Find(".Trash-0").apparentBytes(), movingBytes);
    EXPECT_EQ(edited.Cursor().Find(".Trash-0/files/b.2").apparentBytes(), movingBytes);
    EXPECT_TRUE(edited.Cursor().Find(".Trash-0/files/b.2/c"));
    EXPECT_EQ("ROOT/a", edited.Cursor().PathOf(edited.Cursor().GetCurrentDir()));
    EXPECT_EQ(edited.Cursor().GetCurrentDir(), edited.Cursor().Find("a"));
}

TEST(RemoveSubtree, TheRootStays)
{
    TempTree tree;
    MakeTree(tree);
    ScannedSurvey survey;
    ASSERT_TRUE(survey.ScanPath(tree.Root(), "ROOT"));
    const std::string before = DumpWithSizes(survey.Root());
    EXPECT_THROW(survey.RemoveDirectory(survey.Root()), std::invalid_argument);
    EXPECT_EQ(before, DumpWithSizes(survey.Root()));
}

// Only a file with a name outside the directory makes its figures uncertain.
TEST(OutsideLinks, FindsNamesOutsideTheDirectoryOnly)
{
    TempTree tree;
    tree.File("a/b/g", 9000);
    tree.HardLink("a/b/g", "a/g2");
    tree.File("c/h", 100);
    tree.HardLink("c/h", "c/h2");
    EXPECT_TRUE(HasFilesLinkedOutside(tree.Path("a/b")));
    EXPECT_FALSE(HasFilesLinkedOutside(tree.Path("a")));
    EXPECT_FALSE(HasFilesLinkedOutside(tree.Path("c")));
}
