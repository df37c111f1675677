#include "ReportCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ReportCommand, PrintsTheRootReportThenEverySubDirectoryWhole)
{
    TempTree tree;
    tree.File("a,b/file", 1500);
    tree.File("top", 500);
    std::ostringstream out, err;
    ASSERT_EQ(RunReport(tree.Root(), out, err), 0);
    EXPECT_EQ(out.str(),
              "Dir Name     : " + tree.Root() + "\n"
              "Parent Name  : (n/a)\n\n% of Parent  : (n/a)\n"
              "Dir Space    : 2,000\n% of Total   : 100.00\n\n"
              "Num of Sub-Dir : 1\nSub-Dir Space  : 1,500\nFile Space     : 500\n"
              "a,b\t1,500\n");
    EXPECT_TRUE(err.str().empty());
}

TEST(ReportCommand, MissingOrEmptyDirectoryIsNotAvailable)
{
    TempTree tree;
    tree.Dir("empty");
    for (const std::string& path : {tree.Path("empty"), tree.Path("missing")}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunReport(path, out, err), 1);
        EXPECT_TRUE(out.str().empty());
        EXPECT_EQ(err.str(), "Selected Disk was Not\nAvailable or is Blank\n");
    }
}
