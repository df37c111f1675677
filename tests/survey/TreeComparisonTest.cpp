#include "LargestGrowth.h"
#include "ScannedSurvey.h"
#include "TempTree.h"
#include "TreeComparison.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>

namespace {

// A saved scan of /srv made at 2027-01-15 08:00 UTC. Disk bytes (the
// directories' own and their files'): grew 5,000, shrank 10,000, gone 1,500,
// Case 2,000; 18,500 in all. Apparent bytes (the files' and the directories'
// own, as du -b counts them): 3,100, 8,000, 150, 200; 11,450 in all.
const char* const kOld = R"([1,2,{"progname":"ncdu","timestamp":1800000000},
[{"name":"/srv"},
[{"name":"grew","dsize":1000,"asize":100},{"name":"f","dsize":4000,"asize":3000}],
[{"name":"shrank","dsize":1000},{"name":"f","dsize":9000,"asize":8000}],
[{"name":"gone","dsize":1000},{"name":"h","asize":150},[{"name":"inner","dsize":500}]],
[{"name":"Case","dsize":2000},{"name":"h","asize":200}]
]])";

// A later scan of another root, without a time, listed in another order:
// case 2,000 (200), shrank 2,000 (900), born 1,700 (170), grew 41,000
// (30,000); 46,700 in all.
const char* const kNew = R"([1,2,{"progname":"kelmo"},
[{"name":"/home"},
[{"name":"case","dsize":2000},{"name":"h","asize":200}],
[{"name":"shrank","dsize":1000},{"name":"f","dsize":1000,"asize":900}],
[{"name":"born","dsize":1000},{"name":"h","asize":170},[{"name":"kid","dsize":700}]],
[{"name":"grew","dsize":1000},{"name":"f","dsize":40000,"asize":30000}]
]])";

class TreeComparisonTest : public ::testing::Test {
protected:
    void Import(ScannedSurvey& survey, const std::string& scan)
    {
        const std::string path = files.Path("scan" + std::to_string(++written) + ".json");
        std::ofstream(path, std::ios::binary) << scan;
        ASSERT_TRUE(survey.ImportScan(path)) << survey.error;
    }

    // Each child as "name status old new", in the order given.
    static std::string Lines(const std::vector<TreeComparison::Entry>& entries)
    {
        std::string text;
        for (const TreeComparison::Entry& entry : entries)
            text += entry.node.name() + " " + entry.ChangeText() + " " + std::to_string(entry.oldBytes) + " "
                + std::to_string(entry.newBytes) + "\n";
        return text;
    }

    TempTree files;
    int written = 0;
    ScannedSurvey oldSurvey;
    ScannedSurvey newSurvey;
};

} // namespace

TEST_F(TreeComparisonTest, MatchesByExactNameAndListsGoneDirectoriesUnderTheirParent)
{
    Import(oldSurvey, kOld);
    Import(newSurvey, kNew);
    const TreeComparison comparison(oldSurvey.Root(), newSurvey.Root());

    const TreeComparison::Entry root = comparison.Compare(comparison.NewRoot(), SizeMode::DiskUsage);
    EXPECT_EQ(root.oldBytes, 18500);
    EXPECT_EQ(root.newBytes, 46700);
    EXPECT_EQ(root.ChangeText(), "+28,200");
    EXPECT_EQ(Lines(comparison.Children(comparison.NewRoot(), SizeMode::DiskUsage)),
              "grew +36,000 5000 41000\n"
              "case new 0 2000\n"
              "born new 0 1700\n"
              "gone gone 1500 0\n"
              "Case gone 2000 0\n"
              "shrank -8,000 10000 2000\n");
    EXPECT_EQ(Lines(comparison.Children(comparison.NewRoot(), SizeMode::Apparent)),
              "grew +26,900 3100 30000\n"
              "case new 0 200\n"
              "born new 0 170\n"
              "gone gone 150 0\n"
              "Case gone 200 0\n"
              "shrank -7,100 8000 900\n");

    // Below a new directory all is new; below a gone one, all is gone.
    const std::vector<TreeComparison::Entry> top = comparison.Children(comparison.NewRoot(), SizeMode::DiskUsage);
    EXPECT_EQ(Lines(comparison.Children(top[2].node, SizeMode::DiskUsage)), "kid new 0 700\n");
    EXPECT_EQ(Lines(comparison.Children(top[3].node, SizeMode::DiskUsage)), "inner gone 500 0\n");
    EXPECT_FALSE(comparison.OldOf(top[1].node));
    EXPECT_EQ(comparison.OldOf(top[0].node).diskBytes(), 5000);

    // Gone: 3,500 of 18,500 disk bytes, 350 of 11,450 apparent ones.
    EXPECT_EQ(comparison.MatchedText("/srv", "/home", SizeMode::DiskUsage),
              "old scan of /srv: 81 % of it matched /home");
    EXPECT_EQ(comparison.MatchedPercent(SizeMode::Apparent), 96);
    EXPECT_EQ(TreeComparison(oldSurvey.Root(), oldSurvey.Root()).MatchedPercent(SizeMode::DiskUsage), 100);
}

TEST_F(TreeComparisonTest, TheOldScansTimeComesFromTheSavedScan)
{
    Import(oldSurvey, kOld);
    Import(newSurvey, kNew);
    const char* zone = std::getenv("TZ");
    const std::string savedZone = zone ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(TreeComparison(oldSurvey.Root(), newSurvey.Root()).OldScanTimeText(), "2027-01-15 08:00");
    EXPECT_EQ(TreeComparison(newSurvey.Root(), oldSurvey.Root()).OldScanTimeText(), "an earlier scan");
    if (zone)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

// A hundred sub-directories listed in reverse, a quarter of them renamed:
// more than a pairwise search takes, so the names go through a hash table.
TEST_F(TreeComparisonTest, AWideLevelInAnotherOrderPairsEachNameWithItsOwn)
{
    std::string before = R"([1,2,{},[{"name":"/w"})";
    std::string after = before;
    char entry[96];
    for (int i = 0; i < 100; ++i) {
        std::snprintf(entry, sizeof entry, R"(,[{"name":"d%03d","dsize":%d}])", i, 1000 * (i + 1));
        before += entry;
        const int j = 99 - i;
        std::snprintf(entry, sizeof entry, R"(,[{"name":"%c%03d","dsize":%d}])", j % 4 == 0 ? 'e' : 'd', j,
                      1000 * (j + 1) + 1);
        after += entry;
    }
    Import(oldSurvey, before + "]]");
    Import(newSurvey, after + "]]");
    const TreeComparison comparison(oldSurvey.Root(), newSurvey.Root());
    std::map<std::string, int> statuses;
    for (const TreeComparison::Entry& child : comparison.Children(comparison.NewRoot(), SizeMode::DiskUsage)) {
        ++statuses[child.ChangeText()];
        if (child.status == TreeComparison::Status::Matched) {
            EXPECT_EQ(child.Change(), 1) << child.node.name();
        }
    }
    EXPECT_EQ(statuses, (std::map<std::string, int>{{"+1", 75}, {"new", 25}, {"gone", 25}}));
}

TEST(TreeComparisonChange, IsSignedAndGrouped)
{
    using Entry = TreeComparison::Entry;
    using Status = TreeComparison::Status;
    EXPECT_EQ((Entry{{}, Status::Matched, 0, 1234567}.ChangeText()), "+1,234,567");
    EXPECT_EQ((Entry{{}, Status::Matched, 30480, 10000}.ChangeText()), "-20,480");
    EXPECT_EQ((Entry{{}, Status::Matched, 5, 5}.ChangeText()), "0");
    EXPECT_EQ((Entry{{}, Status::New, 0, 5}.ChangeText()), "new");
    EXPECT_EQ((Entry{{}, Status::Gone, 5, 0}.ChangeText()), "gone");
}

// The growth is named where it lies: a folder whose growth is all in one
// sub-directory gives way to it, and one that grew inside a folder that
// shrank is still found.
TEST_F(TreeComparisonTest, LargestGrowthNamesWhereTheBytesWent)
{
    Import(oldSurvey, kOld);
    Import(newSurvey, kNew);
    const TreeComparison comparison(oldSurvey.Root(), newSurvey.Root());
    EXPECT_EQ(Lines(LargestGrowth(comparison, SizeMode::DiskUsage, 10)),
              "grew +36,000 5000 41000\n"
              "case new 0 2000\n"
              "born new 0 1700\n"
              "kid new 0 700\n");
    EXPECT_EQ(LargestGrowth(comparison, SizeMode::DiskUsage, 2).size(), 2u);

    ScannedSurvey shrunkOld, shrunkNew;
    Import(shrunkOld,
           R"([1,2,{},[{"name":"/r"},[{"name":"a"},[{"name":"big","dsize":9000}],[{"name":"b","dsize":1000}]]]])");
    Import(shrunkNew, R"([1,2,{},[{"name":"/r"},[{"name":"a"},[{"name":"b","dsize":4000}]]]])");
    EXPECT_EQ(Lines(LargestGrowth(TreeComparison(shrunkOld.Root(), shrunkNew.Root()), SizeMode::DiskUsage, 10)),
              "b +3,000 1000 4000\n");
}
