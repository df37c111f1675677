#include "DirectoryReport.h"
#include "FakeDirectorySource.h"
#include "FileInfo.h"
#include "LimitedThreads.h"
#include "ParallelWalk.h"
#include "Scanner.h"
#include "SequentialWalk.h"
#include "TreeBuilder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <limits>

namespace {

// Every case runs with one walking thread and with several: the two must
// build the same tree.
class ScanFake : public ::testing::TestWithParam<int> {
protected:
    ScanFake()
    {
        auto owned = std::make_unique<FakeDirectorySource>();
        fake = owned.get();
        scanner.SetSource(std::move(owned));
        scanner.SetThreads(GetParam());
    }

    // Scans the fake drive and shows the result, as the window does; false
    // when the scan ended without a tree, whose reason is then in error.
    bool Scan()
    {
        ScanResult result = scanner.ScanPath("/fake", "/fake");
        error = result.error;
        const bool scanned = result.Scanned();
        survey.Adopt(std::move(result));
        return scanned;
    }
    void ReplaceSource(std::unique_ptr<FakeDirectorySource> source)
    {
        fake = source.get();
        scanner.SetSource(std::move(source));
    }

    Scanner scanner;
    FileInfo survey;
    FakeDirectorySource* fake;
    std::string error;
};

std::vector<std::string> ChildNames(const DirNode& node)
{
    std::vector<std::string> names;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        names.push_back(child.name());
    return names;
}

DirNode Child(const DirNode& node, const std::string& name)
{
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        if (child.name() == name)
            return child;
    return {};
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

std::string Dump(const DirNode& node)
{
    std::string text = node.name() + " " + std::to_string(node.diskBytes()) + "\n";
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        text += Dump(child);
    return text;
}

} // namespace

TEST(ParallelWalk, AThreadThatCannotStartLeavesTheWalkToTheOthers)
{
    FakeDirectorySource fake;
    for (int i = 0; i < 20; ++i) {
        const int dir = fake.AddDir(0, "d" + std::to_string(i));
        fake.AddFile(fake.AddDir(dir, "inner"), "linked", 100, 42, 2);
        fake.AddFile(dir, "own", i);
    }
    ScanControl control;
    DirTree one("ROOT");
    TreeBuilder builder(one);
    ASSERT_TRUE(SequentialWalk(fake, control).Run("/fake", builder));
    for (int started : {0, 1, 2}) {
        DirTree tree("ROOT");
        ASSERT_TRUE(ParallelWalk(fake, control, 4, LimitedThreads(started)).Run("/fake", tree));
        EXPECT_EQ(Dump(DirNode(&tree, tree.Root())), Dump(DirNode(&one, one.Root()))) << started << " started";
    }
    EXPECT_EQ(fake.OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(Threads, ScanFake, ::testing::Values(1, 4));

TEST_P(ScanFake, ChildrenKeepTheListingOrderAndTotalsPassThirtyTwoBits)
{
    const int zed = fake->AddDir(0, "ZED");
    fake->AddFile(zed, "disk.img", 5'000'000'000LL);
    fake->AddFile(fake->AddDir(zed, "inner"), "more.img", 4'294'967'296LL);
    fake->AddDir(0, "ALPHA");
    fake->AddFile(0, "top", 10);
    ASSERT_TRUE(Scan());
    const DirNode root = survey.Root();
    EXPECT_EQ(root.name(), "/fake");
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"ZED", "ALPHA"}));
    EXPECT_EQ(root.bytes(), 9'294'967'306LL);
    EXPECT_EQ(root.firstChild().bytes(), 9'294'967'296LL);
    EXPECT_EQ(root.firstChild().firstChild().bytes(), 4'294'967'296LL);
    EXPECT_EQ(survey.GetFreeBytes(), 123456789);
    EXPECT_EQ(scanner.ScannedBytes(SizeMode::DiskUsage), root.bytes());
    EXPECT_EQ(fake->OpenHandles(), 0);
}

TEST_P(ScanFake, DiskUsageAndApparentSizeAreBothKept)
{
    fake->AddFile(0, "sparse", 1'000'000, 0, 1, 4096);
    fake->AddFile(fake->AddDir(0, "sub"), "small", 10, 0, 1, 4096);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Root().bytes(), 8192);
    survey.SetSizeMode(SizeMode::Apparent);
    EXPECT_EQ(survey.Root().bytes(), 1'000'010);
    EXPECT_EQ(survey.Cursor().BuildChildList()->sizes, (std::vector<std::int64_t>{10}));
}

TEST_P(ScanFake, SumsSaturateInsteadOfOverflowing)
{
    fake->AddFile(0, "a", kMax, 0, 1, 0);
    fake->AddFile(0, "b", kMax, 0, 1, 0);
    fake->AddFile(fake->AddDir(0, "sub"), "c", kMax, 0, 1, 0);
    ASSERT_TRUE(Scan());
    survey.SetSizeMode(SizeMode::Apparent);
    EXPECT_EQ(survey.Root().bytes(), kMax);
    const std::string report = BuildDirReport(survey.Root());
    EXPECT_NE(report.find("Sub-Dir Space  : 9,223,372,036,854,775,807\n"), std::string::npos) << report;
    EXPECT_NE(report.find("File Space     : 0\n"), std::string::npos) << report;
}

TEST_P(ScanFake, UnreadableDirectoriesCountWhatCouldBeReadAndAreReported)
{
    fake->MakeSilent(fake->AddDir(0, "silent"));
    const int locked = fake->AddDir(0, "locked");
    fake->AddFile(locked, "behind-permissions", 100);
    fake->MakeUnopenable(locked);
    const int broken = fake->AddDir(0, "broken");
    fake->AddFile(broken, "read", 5);
    fake->BreakListing(broken, EIO);
    fake->AddFile(broken, "never-read", 100);
    fake->AddFile(fake->AddDir(0, "usb", 2), "other-device", 100);
    fake->AddFile(0, "readable", 7);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(ChildNames(survey.Root()), (std::vector<std::string>{"silent", "locked", "broken"}));
    EXPECT_EQ(survey.Root().bytes(), 12);
    ASSERT_EQ(survey.GetScanProblems().size(), 2u);
    EXPECT_EQ(survey.GetScanProblems()[0].path, "locked");
    EXPECT_EQ(survey.GetScanProblems()[0].error, EACCES);
    EXPECT_EQ(survey.GetScanProblems()[1].path, "broken");
    EXPECT_EQ(survey.GetScanProblems()[1].error, EIO);
    EXPECT_FALSE(Child(survey.Root(), "silent").unreadable());
    EXPECT_EQ(Child(survey.Root(), "locked").readError(), EACCES);
    EXPECT_TRUE(Child(survey.Root(), "broken").unreadable());
    EXPECT_EQ(survey.Root().items(), 5) << "what could be read, and nothing of the other device";
}

TEST_P(ScanFake, MountsAreNeverCrossedEvenWhenTheyAppearAfterTheListing)
{
    const int bound = fake->AddDir(0, "bound"); // a bind mount of this very file system
    fake->AddFile(bound, "seen-twice", 100);
    fake->MakeMountRoot(bound);
    const int late = fake->AddDir(0, "late");
    fake->AddFile(late, "mounted-meanwhile", 100);
    fake->MakeUnopenable(late, EXDEV);
    fake->AddFile(0, "own", 1);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Root().bytes(), 1);
    EXPECT_TRUE(ChildNames(survey.Root()).empty());
    EXPECT_TRUE(survey.GetScanProblems().empty());
}

// A file with several names counts once, in the directory where a walk in
// listing order that enters each sub-directory where it is named meets it
// first: here the sub-directory, listed before the directory's own name.
TEST_P(ScanFake, HardLinksCountOnceWhereTheWalkMeetsThemFirst)
{
    const int a = fake->AddDir(0, "a");
    const int inner = fake->AddDir(a, "inner");
    fake->AddFile(inner, "deep-name", 500, 77, 3);
    fake->AddFile(a, "own-name", 500, 77, 3);
    fake->AddFile(fake->AddDir(0, "b"), "third-name", 500, 77, 3);
    fake->AddFile(0, "first-at-root?", 0, 0, 1);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Root().bytes(), 500);
    const DirNode aNode = Child(survey.Root(), "a");
    EXPECT_EQ(Child(aNode, "inner").bytes(), 500);
    EXPECT_EQ(aNode.bytes(), 500);
    EXPECT_EQ(Child(survey.Root(), "b").bytes(), 0);
    ASSERT_TRUE(Scan()); // a rescan counts afresh
    EXPECT_EQ(survey.Root().bytes(), 500);
}

TEST_P(ScanFake, ADirectoryMovedAwayDeepDownLosesOnlyItself)
{
    int dir = 0;
    std::int64_t expected = 0;
    for (int depth = 1; depth <= 150; ++depth) {
        const int next = fake->AddDir(dir, "d");
        if (depth == 141) {
            const int moved = fake->AddDir(dir, "moved");
            fake->AddFile(moved, "gone", 1000);
            fake->MakeUnopenable(moved, ENOENT);
        }
        // Listed after the way down, so they are read on the way back up.
        fake->AddFile(fake->AddDir(dir, "later"), "kept", 500);
        expected += 500;
        dir = next;
    }
    fake->AddFile(dir, "bottom", 1);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Root().bytes(), expected + 1);
    ASSERT_EQ(survey.GetScanProblems().size(), 1u);
    EXPECT_EQ(survey.GetScanProblems()[0].error, ENOENT);
    EXPECT_EQ(fake->OpenHandles(), 0);
}

TEST_P(ScanFake, BlankRootFailsAndKeepsTheOldTree)
{
    fake->AddDir(0, "only-a-directory");
    ASSERT_TRUE(Scan()) << "a root holding only directories is available";
    const DirNode oldChild = survey.Root().firstChild();
    survey.Cursor().SetCurrentDir(oldChild);
    auto empty = std::make_unique<FakeDirectorySource>();
    empty->MakeSilent(0);
    ReplaceSource(std::move(empty));
    EXPECT_FALSE(Scan());
    EXPECT_EQ(error, "") << "a blank drive has no reason to give";
    EXPECT_EQ(survey.Cursor().GetCurrentDir(), oldChild);
    EXPECT_EQ(survey.Root().firstChild().name(), "only-a-directory");
    EXPECT_EQ(survey.GetFreeBytes(), 123456789) << "the old tree keeps its own free space";

    auto locked = std::make_unique<FakeDirectorySource>();
    locked->MakeUnopenable(0, EACCES);
    ReplaceSource(std::move(locked));
    EXPECT_FALSE(Scan());
    EXPECT_EQ(error, "cannot read directory '/fake': Permission denied");
}

TEST_P(ScanFake, ACancelledScanFailsKeepsTheOldTreeAndClosesEverything)
{
    fake->AddFile(fake->AddDir(0, "kept"), "x", 1);
    ASSERT_TRUE(Scan());
    fake->MakeUnopenable(fake->AddDir(0, "locked"));
    for (int i = 0; i < 50; ++i) {
        const int dir = fake->AddDir(0, "new" + std::to_string(i));
        fake->AddFile(fake->AddDir(dir, "deeper"), "f", 1);
        if (i == 10)
            fake->OnRead(dir, [this](const std::atomic<bool>&) { scanner.Cancel(); });
    }
    EXPECT_FALSE(Scan());
    EXPECT_EQ(ChildNames(survey.Root()), (std::vector<std::string>{"kept"}));
    EXPECT_TRUE(survey.GetScanProblems().empty()) << "the old tree had none";
    EXPECT_EQ(fake->OpenHandles(), 0);
    EXPECT_TRUE(scanner.ScanPath("/fake", "/fake").cancelled) << "a cancel holds until the scanner goes";
}

TEST_P(ScanFake, FinalTotalsAreReported)
{
    fake->AddFile(0, "a", 400000, 0, 1, 8192);
    fake->AddFile(fake->AddDir(0, "sub"), "b", 600000, 0, 1, 4096);
    std::vector<std::pair<std::int64_t, std::int64_t>> reported;
    scanner.SetProgress([&](std::int64_t disk, std::int64_t apparent) { reported.emplace_back(disk, apparent); });
    // No interval passes during the scan, however slow the machine: the one
    // report is the final one.
    scanner.SetReportInterval(std::chrono::nanoseconds::max());
    ASSERT_TRUE(Scan());
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported.back(), std::make_pair(std::int64_t{12288}, std::int64_t{1000000}));
}

TEST_P(ScanFake, NavigationMovesTheCurrentDirectoryAndBuildsChildLists)
{
    const int games = fake->AddDir(0, "GAMES");
    fake->AddDir(games, "DOOM");
    fake->AddFile(fake->AddDir(0, "TEMP,OLD"), "t", 512);
    fake->AddFile(0, "f", 1);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Cursor().GetCurrentDir(), survey.Root());

    auto list = survey.Cursor().BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names, (std::vector<std::string>{"GAMES", "TEMP,OLD"}));
    EXPECT_EQ(list->sizes, (std::vector<std::int64_t>{0, 512}));
    EXPECT_EQ(survey.Cursor().GetCurrentDir(), survey.Root());
    EXPECT_FALSE(survey.Cursor().HasParentDir());

    const DirNode gamesNode = survey.Root().firstChild();
    survey.Cursor().SetCurrentDir(gamesNode);
    list = survey.Cursor().BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names, (std::vector<std::string>{"DOOM"}));
    EXPECT_TRUE(survey.Cursor().HasParentDir());
    EXPECT_EQ(survey.Cursor().PathText(), "/fake/GAMES/");

    survey.Cursor().SetCurrentDir(gamesNode.firstChild());
    EXPECT_FALSE(survey.Cursor().BuildChildList()) << "a directory without sub-directories has no list";

    survey.Cursor().GoToParentDir();
    survey.Cursor().GoToParentDir();
    survey.Cursor().GoToParentDir(); // past the root: null, which means the root again
    list = survey.Cursor().BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(survey.Cursor().GetCurrentDir(), survey.Root());

    survey.Cursor().SetCurrentDir(gamesNode);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(survey.Cursor().GetCurrentDir(), survey.Root()) << "a rescan shows the root again";
}
