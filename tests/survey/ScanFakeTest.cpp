#include "FakeDirectorySource.h"
#include "FileInfo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct FakeSurvey {
    FakeSurvey() : survey(std::vector<MountEntry>{{"dev", "/fake", "ext4"}})
    {
        auto owned = std::make_unique<FakeDirectorySource>();
        fake = owned.get();
        survey.SetSource(std::move(owned));
        survey.SetProgress([this](std::int64_t bytes) { posted.push_back(bytes); });
    }

    FileInfo survey;
    FakeDirectorySource* fake;
    std::vector<std::int64_t> posted;
};

std::vector<std::string> ChildNames(const DirNode& node)
{
    std::vector<std::string> names;
    for (const DirNode* child = node.firstChild.get(); child; child = child->nextSibling.get())
        names.push_back(child->name);
    return names;
}

} // namespace

TEST(ScanOrder, ChildrenKeepTheSearchOrder)
{
    FakeSurvey f;
    f.fake->AddDir(0, "ZED");
    f.fake->AddDir(0, "ALPHA");
    f.fake->AddFile(0, "file", 1);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(ChildNames(*f.survey.Root()), (std::vector<std::string>{"ZED", "ALPHA"}));
    auto list = f.survey.BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names, (std::vector<std::string>{"ZED", "ALPHA"}));
}

TEST(ScanOrder, PumpRunsOncePerEntryBeforeItIsExamined)
{
    FakeSurvey f;
    f.fake->AddFile(0, "a", 1);
    f.fake->AddDir(0, "sub");
    std::vector<std::string>& log = f.fake->log;
    f.survey.SetPump([&log] { log.push_back("pump"); });
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    const std::vector<std::string> rootPart(log.begin(), log.begin() + 10);
    EXPECT_EQ(rootPart, (std::vector<std::string>{"next .", "pump", "next ..", "pump", "next a", "pump",
                                                   "examine a", "next sub", "pump", "examine sub"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "pump"), 6); // 4 in the root, "." and ".." in sub
}

TEST(ScanTotals, SumFilesInAndBelowEveryDirectoryPastThirtyTwoBits)
{
    FakeSurvey f;
    const int big = f.fake->AddDir(0, "big");
    f.fake->AddFile(big, "disk.img", 5'000'000'000LL);
    const int inner = f.fake->AddDir(big, "inner");
    f.fake->AddFile(inner, "more.img", 4'294'967'296LL);
    f.fake->AddFile(0, "top", 10);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    const DirNode* root = f.survey.Root();
    EXPECT_EQ(root->name, "/fake");
    EXPECT_EQ(root->bytes, 9'294'967'306LL);
    EXPECT_EQ(root->firstChild->bytes, 9'294'967'296LL);
    EXPECT_EQ(root->firstChild->firstChild->bytes, 4'294'967'296LL);
    EXPECT_EQ(f.survey.GetFreeBytes(), 123456789);
}

TEST(ScanTotals, UnreadableSilentAndForeignDirectoriesCountWhatCouldBeRead)
{
    FakeSurvey f;
    const int silent = f.fake->AddDir(0, "silent");
    f.fake->AddFile(silent, "never-delivered", 100);
    f.fake->MakeSilent(silent);
    const int locked = f.fake->AddDir(0, "locked");
    f.fake->AddFile(locked, "hidden-behind-permissions", 100);
    f.fake->MakeUnopenable(locked);
    const int mounted = f.fake->AddDir(0, "usb", 2);
    f.fake->AddFile(mounted, "other-device", 100);
    f.fake->AddFile(0, "readable", 7);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(ChildNames(*f.survey.Root()), (std::vector<std::string>{"silent", "locked"}));
    EXPECT_EQ(f.survey.Root()->bytes, 7);
    EXPECT_EQ(f.survey.Root()->firstChild->bytes, 0);
}

TEST(ScanTotals, HardLinkedInodeCountsOncePerScan)
{
    FakeSurvey f;
    const int a = f.fake->AddDir(0, "a");
    const int b = f.fake->AddDir(0, "b");
    f.fake->AddFile(a, "one", 500, 77, 2);
    f.fake->AddFile(b, "two", 500, 77, 2);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(f.survey.Root()->bytes, 500);
    ASSERT_TRUE(f.survey.ScanDrive(0, false)); // a rescan starts counting afresh
    EXPECT_EQ(f.survey.Root()->bytes, 500);
}

TEST(ScanProbe, BlankRootFailsAndKeepsTheOldTree)
{
    FakeSurvey f;
    f.fake->AddDir(0, "only-a-directory");
    ASSERT_TRUE(f.survey.ScanDrive(0, true)) << "a root holding only directories is available";
    const DirNode* oldRoot = f.survey.Root();
    f.survey.SetCurrentDir(oldRoot->firstChild.get());
    auto empty = std::make_unique<FakeDirectorySource>();
    empty->MakeSilent(0);
    f.survey.SetSource(std::move(empty));
    EXPECT_FALSE(f.survey.ScanDrive(0, true));
    EXPECT_EQ(f.survey.Root(), oldRoot);
    EXPECT_EQ(f.survey.GetCurrentDir(), oldRoot->firstChild.get());
    EXPECT_EQ(f.survey.GetFreeBytes(), -1);
    EXPECT_EQ(f.survey.GetScannedBytes(), 0);
}

TEST(ScanProbe, UnknownDriveIndexFails)
{
    FakeSurvey f;
    f.fake->AddFile(0, "x", 1);
    EXPECT_FALSE(f.survey.ScanDrive(-1, false));
    EXPECT_FALSE(f.survey.ScanDrive(1, false));
    EXPECT_EQ(f.survey.Root(), nullptr);
}

TEST(ScanProgress, PostsAfterEachFurtherMillionAndTheFinalTotal)
{
    FakeSurvey f;
    for (int i = 0; i < 7; ++i)
        f.fake->AddFile(0, "f" + std::to_string(i), 600000);
    ASSERT_TRUE(f.survey.ScanDrive(0, true));
    EXPECT_EQ(f.posted, (std::vector<std::int64_t>{1200000, 2400000, 3600000, 4200000}));
    EXPECT_EQ(f.survey.GetScannedBytes(), 4200000);
}

TEST(ScanProgress, ExactlyOneMillionPostsOnlyTheFinalTotal)
{
    FakeSurvey f;
    f.fake->AddFile(0, "a", 400000);
    f.fake->AddFile(0, "b", 600000);
    ASSERT_TRUE(f.survey.ScanDrive(0, true));
    EXPECT_EQ(f.posted, (std::vector<std::int64_t>{1000000}));

    f.fake->AddFile(0, "c", 1);
    f.posted.clear();
    ASSERT_TRUE(f.survey.ScanDrive(0, true));
    EXPECT_EQ(f.posted, (std::vector<std::int64_t>{1000001, 1000001}));
}

TEST(ScanProgress, NothingPostedWithoutProgress)
{
    FakeSurvey f;
    f.fake->AddFile(0, "a", 5000000);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_TRUE(f.posted.empty());
    EXPECT_EQ(f.survey.GetScannedBytes(), 0);
}

TEST(Navigation, MovesTheCurrentDirectoryAndBuildsChildLists)
{
    FakeSurvey f;
    const int games = f.fake->AddDir(0, "GAMES");
    f.fake->AddDir(games, "DOOM");
    const int temp = f.fake->AddDir(0, "TEMP,OLD");
    f.fake->AddFile(temp, "t", 512);
    f.fake->AddFile(0, "f", 1);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(f.survey.GetCurrentDir(), nullptr);

    auto list = f.survey.BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names, (std::vector<std::string>{"GAMES", "TEMP,OLD"}));
    EXPECT_EQ(list->sizes, (std::vector<std::int64_t>{0, 512}));
    EXPECT_EQ(f.survey.GetCurrentDir(), f.survey.Root());
    EXPECT_FALSE(f.survey.HasParentDir());

    DirNode* gamesNode = f.survey.Root()->firstChild.get();
    f.survey.SetCurrentDir(gamesNode);
    list = f.survey.BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names, (std::vector<std::string>{"DOOM"}));
    EXPECT_TRUE(f.survey.HasParentDir());

    f.survey.SetCurrentDir(gamesNode->firstChild.get());
    EXPECT_FALSE(f.survey.BuildChildList()) << "a directory without sub-directories has no list";

    f.survey.GoToParentDir();
    f.survey.GoToParentDir();
    f.survey.GoToParentDir(); // past the root: null, which means the root again
    list = f.survey.BuildChildList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(f.survey.GetCurrentDir(), f.survey.Root());

    f.survey.SetCurrentDir(gamesNode);
    ASSERT_TRUE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(f.survey.GetCurrentDir(), nullptr) << "a rescan shows the root again";
}

TEST(ScanCancel, ACancelFromThePumpStopsTheScanAndReportsFailure)
{
    FakeSurvey f;
    const int sub = f.fake->AddDir(0, "sub");
    f.fake->AddFile(0, "a", 1);
    f.fake->AddFile(sub, "b", 1);
    int pumps = 0;
    f.survey.SetPump([&] {
        if (++pumps == 3)
            f.survey.CancelScan();
    });
    EXPECT_FALSE(f.survey.ScanDrive(0, false));
    EXPECT_EQ(pumps, 3);
}
