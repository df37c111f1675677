#include "FakeDirectorySource.h"
#include "DirectoryReport.h"
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
              "Dir Name     : WINDOWS\r\n"
              "Parent Name  : C:\r\n"
              "\r\n"
              "% of Parent  : 40.00\r\n"
              "Dir Space    : 4,000,000\r\n"
              "% of Total   : 40.00\r\n"
              "\r\n"
              "Num of Sub-Dir : 2\r\n"
              "Sub-Dir Space  : 3,000,000\r\n"
              "File Space     : 1,000,000\r\n");
    EXPECT_EQ(BuildDirReport(survey.Root()),
              "Dir Name     : C:\r\n"
              "Parent Name  : (n/a)\r\n"
              "\r\n"
              "% of Parent  : (n/a)\r\n"
              "Dir Space    : 10,000,000\r\n"
              "% of Total   : 100.00\r\n"
              "\r\n"
              "Num of Sub-Dir : 3\r\n"
              "Sub-Dir Space  : 9,000,000\r\n"
              "File Space     : 1,000,000\r\n");
}

TEST_F(ReportTest, ZeroDenominatorsReadZeroPointZero)
{
    auto* fake = new FakeDirectorySource;
    fake->AddDir(fake->AddDir(0, "EMPTY"), "ALSO");
    fake->AddFile(0, "zero", 0);
    Scan(fake);
    const std::string report = BuildDirReport(Child(Child(survey.Root(), 0), 0));
    EXPECT_NE(report.find("% of Parent  : 0.0\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("% of Total   : 0.0\r\n\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Dir Space    : 0\r\n"), std::string::npos) << report;
    const std::string rootReport = BuildDirReport(survey.Root());
    EXPECT_NE(rootReport.find("% of Parent  : (n/a)\r\n"), std::string::npos);
    EXPECT_NE(rootReport.find("% of Total   : 0.0\r\n"), std::string::npos);
}

TEST_F(ReportTest, SharesOfAThirdAndOfNothingAndALeaf)
{
    auto* fake = new FakeDirectorySource;
    fake->AddFile(fake->AddDir(0, "ONE"), "a", 1);
    fake->AddDir(0, "NONE");
    fake->AddFile(0, "b", 2);
    Scan(fake);
    const std::string third = BuildDirReport(Child(survey.Root(), 0));
    EXPECT_NE(third.find("% of Parent  : 33.33\r\n"), std::string::npos) << third;
    EXPECT_NE(third.find("Num of Sub-Dir : 0\r\nSub-Dir Space  : 0\r\nFile Space     : 1\r\n"), std::string::npos);
    const std::string none = BuildDirReport(Child(survey.Root(), 1));
    EXPECT_NE(none.find("% of Parent  : 0.00\r\n"), std::string::npos) << none;
}
