#include "DirectoryReport.h"
#include "FakeDirectorySource.h"
#include "ScannedSurvey.h"

#include <gtest/gtest.h>

namespace {

// The drive of the worked example: 10,000,000 bytes, of which WINDOWS holds
// 4,000,000 (3,000,000 in its two sub-directories).
class ReportTest : public ::testing::Test {
protected:
    void Scan(FakeDirectorySource* fake)
    {
        survey.scanner.SetSource(std::unique_ptr<FakeDirectorySource>(fake));
        ASSERT_TRUE(survey.ScanPath("C:", "C:"));
    }

    DirNode Child(const DirNode& node, int index)
    {
        DirNode child = node.firstChild();
        for (int i = 0; i < index; ++i)
            child = child.nextSibling();
        return child;
    }

    ScannedSurvey survey;
};

} // namespace

TEST_F(ReportTest, WorkedExampleForASubDirectoryAndTheRoot)
{
    auto* fake = new FakeDirectorySource;
    const int windows = fake->AddDir(0, "WINDOWS");
    fake->AddFile(windows, "win.com", 1000000);
    fake->AddFile(fake->AddDir(windows, "SYSTEM"), "a", 2000000);
    fake->AddFile(fake->AddDir(windows, "COMMAND"), "b", 1000000);
    fake->AddFile(fake->AddDir(0, "GAMES"), "c", 3000000);
    fake->AddFile(fake->AddDir(0, "TEMP"), "d", 2000000);
    fake->AddFile(0, "io.sys", 1000000);
    Scan(fake);

    EXPECT_EQ(BuildDirReport(Child(survey.Root(), 0)),
              "Dir Name     : WINDOWS\n"
              "Parent Name  : C:\n"
              "\n"
              "% of Parent  : 40.00\n"
              "Dir Space    : 4,000,000\n"
              "% of Total   : 40.00\n"
              "\n"
              "Num of Sub-Dir : 2\n"
              "Sub-Dir Space  : 3,000,000\n"
              "File Space     : 1,000,000\n"
              "Items Below    : 5 items\n");
    EXPECT_EQ(BuildDirReport(survey.Root()),
              "Dir Name     : C:\n"
              "Parent Name  : (n/a)\n"
              "\n"
              "% of Parent  : (n/a)\n"
              "Dir Space    : 10,000,000\n"
              "% of Total   : 100.00\n"
              "\n"
              "Num of Sub-Dir : 3\n"
              "Sub-Dir Space  : 9,000,000\n"
              "File Space     : 1,000,000\n"
              "Items Below    : 11 items\n");
    const std::string readable = BuildDirReport(Child(survey.Root(), 0), SizeUnits::Binary);
    EXPECT_NE(readable.find("Dir Space    : 3.9 MiB\n"), std::string::npos) << readable;
    EXPECT_NE(readable.find("Sub-Dir Space  : 2.9 MiB\n"), std::string::npos) << readable;
    EXPECT_NE(readable.find("File Space     : 977 KiB\n"), std::string::npos) << readable;
}

TEST_F(ReportTest, ZeroDenominatorsReadZeroPointZero)
{
    auto* fake = new FakeDirectorySource;
    fake->AddDir(fake->AddDir(0, "EMPTY"), "ALSO");
    fake->AddFile(0, "zero", 0);
    Scan(fake);
    const std::string report = BuildDirReport(Child(Child(survey.Root(), 0), 0));
    EXPECT_NE(report.find("% of Parent  : 0.0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("% of Total   : 0.0\n\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Dir Space    : 0\n"), std::string::npos) << report;
    const std::string rootReport = BuildDirReport(survey.Root());
    EXPECT_NE(rootReport.find("% of Parent  : (n/a)\n"), std::string::npos);
    EXPECT_NE(rootReport.find("% of Total   : 0.0\n"), std::string::npos);
}

TEST_F(ReportTest, SharesOfAThirdAndOfNothingAndALeaf)
{
    auto* fake = new FakeDirectorySource;
    fake->AddFile(fake->AddDir(0, "ONE"), "a", 1);
    fake->AddDir(0, "NONE");
    fake->AddFile(0, "b", 2);
    Scan(fake);
    const std::string third = BuildDirReport(Child(survey.Root(), 0));
    EXPECT_NE(third.find("% of Parent  : 33.33\n"), std::string::npos) << third;
    EXPECT_NE(third.find("Num of Sub-Dir : 0\nSub-Dir Space  : 0\nFile Space     : 1\n"), std::string::npos);
    const std::string none = BuildDirReport(Child(survey.Root(), 1));
    EXPECT_NE(none.find("% of Parent  : 0.00\n"), std::string::npos) << none;
}
